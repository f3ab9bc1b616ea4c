#!/usr/bin/env bash
# Runs the program in a real window, under a private X server and window
# manager (openbox by default), and checks the window from outside the
# process as the window manager sees it, against the desktop entry that is
# installed with it; then closes it as a user would.
#   real_window_test.sh PATH_TO_HEXLING DESKTOP_ENTRY [WINDOW_MANAGER]
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
source "$here/window_checks.sh"
hexling=$1 entry=$2 manager=${3:-openbox}
needs Xvfb "$manager" dbus-daemon xprop xwininfo xdotool wmctrl file

trap stop_desktop EXIT
start_desktop "$manager" || exit 1
"$hexling" &
pid=$!
desktop_pids+=("$pid")
wait_for 20 client_window_of "$pid" || { echo "FAILED: no window appeared"; exit 1; }
window=$(client_window_of "$pid")

check_reference_window_frame "$window"
if [[ $manager != openbox && $manager != kwin_x11 ]]; then  # these honour the Motif hints' buttons too
  check "the window manager offers no minimise" \
    bash -c '! xprop -id "$0" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MINIMIZE' "$window"
fi
check "it has the keyboard from the start, without a click" wait_for 10 has_focus "$window"
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "its WM_CLASS is the desktop entry's StartupWMClass, \"$class\"" \
  bash -c '[[ -n $1 && $(xprop -id "$0" WM_CLASS) == *", \"$1\"" ]]' "$window" "$class"
check_minimise_is_undone "$window"
check_close_ends_program "$window" "$pid"
unset 'desktop_pids[-1]'
finish_checks
