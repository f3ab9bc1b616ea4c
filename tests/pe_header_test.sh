#!/usr/bin/env bash
# hexling.exe needs nothing but Windows: it imports only DLLs that every
# Windows has, and its header asks for ASLR, with 64-bit entropy, and DEP.
#   pe_header_test.sh PATH_TO_HEXLING_EXE
set -uo pipefail
source "$(dirname "$0")/checks.sh"
needs x86_64-w64-mingw32-objdump

header=$(x86_64-w64-mingw32-objdump -p "$1") || exit 1
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$header" | sort)
others=$(grep -v -i -x -E '(kernel32|user32|gdi32|comctl32|advapi32|msvcrt|ole32|oleaut32|oleacc)\.dll' <<<"$imports")
flags=$(sed -n '/^DllCharacteristics/,/^SizeOf/p' <<<"$header")

check "it imports system DLLs: $(echo $imports)" test -n "$imports"
check "it imports nothing else${others:+ (but: $(echo $others))}" test -z "$others"
check "its base may move (DYNAMIC_BASE)" grep -q -w DYNAMIC_BASE <<<"$flags"
check "with 64-bit entropy (HIGH_ENTROPY_VA)" grep -q -w HIGH_ENTROPY_VA <<<"$flags"
check "its data is not executable (NX_COMPAT)" grep -q -w NX_COMPAT <<<"$flags"
finish_checks
