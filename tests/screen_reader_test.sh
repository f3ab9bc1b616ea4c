#!/usr/bin/env bash
# What a screen reader hears of the focus while the keyboard goes through the
# window: an AT-SPI listener records each control and item that says it has
# the focus, on a private desktop with a session bus of its own. Only the
# control with the keyboard may say so: the code list and its codes only
# once the list has it, and then the code that the keyboard moves to.
#   screen_reader_test.sh PATH_TO_HEXLING
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
hexling=$1
needs Xvfb openbox dbus-daemon xdotool xprop /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null || needs gir1.2-atspi-2.0

trap stop_desktop EXIT
start_desktop openbox || exit 1
dbus-daemon --session --nofork --address="unix:path=$desktop_dir/bus" >/dev/null 2>&1 &
desktop_pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$desktop_dir/bus"
wait_for 10 test -S "$desktop_dir/bus" || { echo "FAILED: the session bus did not start"; exit 1; }
events=$desktop_dir/events
"$here/focus_listener.py" >>"$events" 2>&1 &
desktop_pids+=($!)
wait_for 20 grep -q listening "$events" || { echo "FAILED: the listener did not start"; cat "$events"; exit 1; }
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$hexling" &
desktop_pids+=($!)
wait_for 20 client_window_of "$!" || { echo "FAILED: no window appeared"; exit 1; }
wait_for 10 has_focus "$(client_window_of "$!")" || { echo "FAILED: the window has no keyboard"; exit 1; }
sleep 1

mark=0
does() {  # keys or text for xdotool, then what is heard in the 0.7 s after
  mark=$(wc -l <"$events")
  xdotool "$@"
  sleep 0.7
}
heard() { tail -n "+$((mark + 1))" "$events"; }
no_code_heard() { ! heard | grep -q '^focus list'; }
last_heard() { [[ $(heard | tail -n 1) == "$1" ]]; }

for keys in "type FF" "type 00" "key Down" "key Tab" "type LDA"; do
  does $keys
  check "after $keys in a drop-down list, no code says it has the focus: $(heard | tr '\n' ' ')" no_code_heard
done
does key Tab Tab
check "Tab into the code list: the list says it has the focus" last_heard "focus list 'All existing values.'"
does key Down
check "Down there: the next code" last_heard "focus list item 'A3'"
# E0 carries CPX, three codes: the second position is kept on to SBC's E3.
does key shift+Tab shift+Tab shift+Tab type ED
check "back in the opcode list, typing ED keeps the second code selected, and no code says it has the focus" no_code_heard
does key Tab Tab Tab Down
check "Tab into the code list and Down: the code after the selected one, E3" last_heard "focus list item 'E5'"
finish_checks
