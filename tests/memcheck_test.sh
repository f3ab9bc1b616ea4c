#!/usr/bin/env bash
# Start-up, picks by mouse, keys and typing, and double-clicks on the offscreen
# platform, under valgrind's memcheck: no invalid access, no use of
# uninitialised memory, nothing definitely lost.
#   memcheck_test.sh WINDOW_TEST_BINARY
set -uo pipefail
source "$(dirname "$0")/checks.sh"
needs valgrind
tests='Form1Binding.IsLoaded*:Form1Binding.ArrowKey*:Form1Binding.MousePick*:Form1Binding.TypingThe*'
tests+=':Form1Binding.DoubleClick*:Form1Binding.RePicking*:QtPickList.*:QtItemList.*'
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=99 --num-callers=40 "$1" --gtest_filter="$tests"
