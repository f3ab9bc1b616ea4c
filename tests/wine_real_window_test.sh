#!/usr/bin/env bash
# Runs hexling.exe under Wine in a real window, on the private desktop that
# scripts/wine-desktop.sh gives the Windows tests (X server, window manager,
# Wine server), checks the window from outside as the window manager sees it,
# and closes it as a user would.
#   wine_real_window_test.sh PATH_TO_HEXLING_EXE WINE_PREFIX
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/../scripts/wine-prefix.sh"
source "$here/checks.sh"
source "$here/window_checks.sh"
needs xprop xwininfo xdotool wmctrl file
[[ -n ${DISPLAY:-} ]] || { echo "FAILED: no display; run this under scripts/wine-desktop.sh"; exit 1; }
use_wine_prefix "$2" || exit 1

"$wine" "$1" &
pid=$!  # also the _NET_WM_PID that Wine gives the window
trap 'kill "$pid" 2>/dev/null' EXIT
wait_for 30 client_window_of "$pid" || { echo "FAILED: no window appeared"; exit 1; }
window=$(client_window_of "$pid")

check_reference_window_frame "$window"
# No minimise from outside here: Wine does not pass an iconify by the X window
# manager on to a window without a minimise box, so no Windows program could
# undo it. On Windows itself the window undoes it (the binding's tests).
check_close_ends_program "$window" "$pid"
finish_checks
