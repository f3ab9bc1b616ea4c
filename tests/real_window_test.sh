#!/usr/bin/env bash
# Runs the program in a real window, under a private X server and window
# manager (openbox by default), and checks the window from outside the
# process as the window manager sees it; then closes it as a user would.
#   real_window_test.sh PATH_TO_HEXLING [WINDOW_MANAGER]
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
source "$here/window_checks.sh"
hexling=$1 manager=${2:-openbox}
needs Xvfb "$manager" xprop xwininfo xdotool wmctrl file

trap stop_desktop EXIT
start_desktop "$manager" || exit 1
"$hexling" &
pid=$!
desktop_pids+=("$pid")
wait_for 20 client_window_of "$pid" || { echo "FAILED: no window appeared"; exit 1; }
window=$(client_window_of "$pid")

check_reference_window_frame "$window"
if [[ $manager == metacity ]]; then  # it honours the Motif hints, so offers no minimise either
  check "the window manager offers no minimise" \
    bash -c '! xprop -id "$0" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MINIMIZE' "$window"
fi
check_minimise_is_undone "$window"
check_close_ends_program "$window" "$pid"
unset 'desktop_pids[-1]'
finish_checks
