#!/usr/bin/env bash
# The binding's tests that need a real X server, on a private one. At 96,
# 120, 144 and 192 dpi (Xft.dpi, as desktops set it) and at the factors 1.25,
# 1.5 and 2 (QT_SCALE_FACTOR), every control must lie wholly inside the client
# area, with its whole frame drawn (the binding test that checks it renders
# the window and looks at each control's border pixels), and each drop-down
# list must open below as a list of 12. Then the taskbar state on a native
# window that Qt makes again.
#   scaling_test.sh BIN_DIR
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
bin=$1
needs Xvfb xrdb xprop

trap stop_desktop EXIT
start_desktop || exit 1
scaled() { env HEXLING_TEST_PLATFORM=xcb "$@" "$bin/window_test" --gtest_brief=1 --gtest_filter='*WhollyInside*:*OpenBelow*'; }
for dpi in 96 120 144 192; do
  echo "Xft.dpi: $dpi" | xrdb -override
  check "at $dpi dpi" scaled
done
echo "Xft.dpi: 96" | xrdb -override
for factor in 1.25 1.5 2; do
  check "at the factor $factor" scaled QT_SCALE_FACTOR=$factor
done
check "on X11, a native window made again stays off the taskbar" \
  env HEXLING_TEST_PLATFORM=xcb "$bin/window_test" --gtest_brief=1 --gtest_filter='*NativeWindowIsMadeAgain*'
finish_checks
