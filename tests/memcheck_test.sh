#!/usr/bin/env bash
# Start-up, picks by mouse, keys and typing, double-clicks and copying, on the
# offscreen platform, under valgrind's memcheck: no invalid access, no use of
# uninitialised memory, nothing definitely lost. A second argument runs only
# the binding tests it names (a GoogleTest filter).
#   memcheck_test.sh WINDOW_TEST_BINARY [TESTS]
set -uo pipefail
source "$(dirname "$0")/checks.sh"
needs valgrind
tests='Form1/Behaviour.Row/AtStart*:*ClickInTheOpenOpcodeList*:*TypingA9*:*DoubleClickOnACode*'
tests+=':*PickingTheShownMnemonicAgain*:*TheRightButtonOnACode*:QtPickList.*:QtItemList.*'
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=99 --num-callers=40 "$1" --gtest_filter="${2:-$tests}"
