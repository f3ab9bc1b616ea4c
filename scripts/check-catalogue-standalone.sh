#!/usr/bin/env bash
# Other tools link the catalogue on its own: each of its headers must compile
# alone, and each source with nothing but the standard library and the
# project root on the include path.
#   check-catalogue-standalone.sh SOURCE_DIR CXX
set -euo pipefail
source_dir=$1 cxx=$2
passed=0 failed=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}
for header in "$source_dir"/catalogue/*.h; do
  name=catalogue/$(basename "$header")
  check "$name alone" "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I"$source_dir" -x c++ \
    - <<<"#include \"$name\""
done
for source in "$source_dir"/catalogue/*.cpp; do
  check "$(basename "$source")" "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -I"$source_dir" -c "$source" -o /dev/null
done
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
