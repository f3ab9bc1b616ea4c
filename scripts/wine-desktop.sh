#!/usr/bin/env bash
# Runs a command, such as the Windows build's tests, with what Wine's windows
# need: a private X server and window manager (desktop-session.sh), and one
# Wine server for the prefix PREFIX kept up for the whole command, so that each
# program under Wine starts in a fraction of a second instead of two. Ends
# what it started, and exits with the command's status. With --bare, the X
# server has no window manager.
#   wine-desktop.sh [--bare] PREFIX COMMAND [ARGUMENTS...]
set -uo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
source "$here/wine-prefix.sh"
bare=
[[ $1 == --bare ]] && { bare=--bare; shift; }
use_wine_prefix "$1" || exit 1
shift

finish() {
  "$wineserver" -k 2>/dev/null
  stop_desktop
}
trap finish EXIT
start_desktop $bare || exit 1
"$wineserver" -w  # a server left from making the prefix
"$wineserver" -p </dev/null >/dev/null 2>&1
# The first program starts Wine's services and desktop, which keep its
# standard output for as long as the server runs: let it be one whose output
# nobody waits for.
timeout 60 "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
status=0
"$@" || status=$?
exit "$status"
