#!/usr/bin/env bash
# The Windows-only topmost function compiles against windows.h.
#   mingw_compile_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror -I"$source_dir" \
  -c "$source_dir/refwindow/win32_topmost.cpp" -o /dev/null && echo "1 passed, 0 failed"
