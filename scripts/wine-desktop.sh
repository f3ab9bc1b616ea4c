#!/usr/bin/env bash
# What Wine's windows need: a private X server and window manager
# (desktop-session.sh), and one Wine server for the prefix PREFIX kept up all
# along, so that each program under Wine starts in a fraction of a second
# instead of two. With --bare, the X server has no window manager.
#   wine-desktop.sh [--bare] PREFIX COMMAND [ARGUMENTS...]
#       runs the command there, ends what it started, exits with its status;
#   wine-desktop.sh --start PREFIX / --stop PREFIX
#       starts it and leaves it up, or ends it: CTest's setup and cleanup for
#       the Windows build's tests. While it is up, every Wine program started
#       by use_wine_prefix for PREFIX runs on it (wine-prefix.sh).
set -uo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
source "$here/wine-prefix.sh"
mode=run bare=
case $1 in
  --bare) bare=--bare; shift ;;
  --start) mode=start; shift ;;
  --stop) mode=stop; shift ;;
esac
use_wine_prefix "$1" || exit 1
shift
state=$WINEPREFIX.desktop

stop() {
  "$wineserver" -k 2>/dev/null
  stop_desktop
}

if [[ $mode == stop ]]; then
  [[ -f $state ]] || exit 0
  # shellcheck source=/dev/null
  source "$state"
  rm -f "$state"
  stop
  exit 0
fi

if [[ $mode == start ]]; then
  [[ -f $state ]] && "$0" --stop "$WINEPREFIX"  # what a run that broke off left up
else
  trap stop EXIT
fi
# Nothing started here may hold the caller's output open: CTest waits for it.
start_desktop $bare </dev/null >/dev/null 2>&1 || { echo "the private X server did not start" >&2; exit 1; }
"$wineserver" -w  # a server left from making the prefix
"$wineserver" -p </dev/null >/dev/null 2>&1
# The first program starts Wine's services and desktop, which keep its
# standard output for as long as the server runs: let it be one whose output
# nobody waits for.
timeout 60 "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
if [[ $mode == start ]]; then
  declare -p DISPLAY XDG_RUNTIME_DIR desktop_pids desktop_dir | sed 's/^declare -x /export /' >"$state"
  echo "Wine's desktop is up on $DISPLAY for $WINEPREFIX"
  exit 0
fi
status=0
"$@" || status=$?
exit "$status"
