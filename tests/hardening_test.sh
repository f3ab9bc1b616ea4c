#!/usr/bin/env bash
# The shipped binary carries the hardening of Debian's build flags.
#   hardening_test.sh BINARY
set -uo pipefail
source "$(dirname "$0")/checks.sh"
binary=$1
needs readelf

check "it is a position-independent executable" grep -q 'DYN (Position-Independent Executable' <(readelf -h "$binary")
check "its symbols are bound at load time (BIND_NOW)" grep -q -E 'BIND_NOW|Flags: NOW' <(readelf -d "$binary")
check "it has a read-only relocation segment (GNU_RELRO)" grep -q GNU_RELRO <(readelf -lW "$binary")
check "its stacks are protected" grep -q __stack_chk_fail <(readelf --dyn-syms -W "$binary")
check "its string functions are fortified" grep -q -E '__[a-z]+_chk' <(readelf --dyn-syms -W "$binary" | grep -v __stack_chk)
finish_checks
