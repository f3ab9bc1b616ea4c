#!/usr/bin/env bash
# Wayland without X: a headless weston on a socket of its own, and no DISPLAY.
# The binding's tests run there on the Wayland platform: the window opens and
# picks run the whole chain. The program itself says once that it cannot stay
# on top, keeps running, and ends when the session asks it to.
#   wayland_test.sh BIN_DIR
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
bin=$1
needs weston

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=hexling-test
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'end_process "$weston"; rm -rf "$runtime"' EXIT
wait_for 20 test -S "$runtime/$WAYLAND_DISPLAY" || { echo "FAILED: weston did not start"; cat "$runtime/weston.log"; exit 1; }

# Not the mouse pick in the open list: a popup on Wayland needs the serial of
# a real input event, which a synthetic click does not have; nor the keys that
# a headless compositor, with no keyboard and so no active window, cannot
# give: shortcuts, and keys in the text box (its input method needs a seat).
check "the window opens and picks run the whole chain, on Wayland" timeout 60 env HEXLING_TEST_PLATFORM=wayland \
  "$bin/window_test" --gtest_brief=1 --gtest_filter='Form1/Behaviour.Row/AnArrowKey*:*TypingA9*:*TypingAMnemonic*:'\
'*DoubleClickOnACode*'

"$bin/hexling" 2>"$runtime/hexling.err" &
pid=$!
sleep 2
check "the program runs" kill -0 "$pid"
end_process "$pid"
status=$?
check "asked to end, it ends at once, by the signal (status $status)" test "$status" -eq $((128 + 15))
check "it says once, and only that, that it cannot stay on top: $(head -c 200 "$runtime/hexling.err")" \
  test "$(grep -c 'keep itself on top' "$runtime/hexling.err")" -eq 1 -a "$(wc -l <"$runtime/hexling.err")" -eq 1
finish_checks
