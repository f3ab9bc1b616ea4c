#!/usr/bin/env bash
# Other tools link the catalogue on its own: each of its headers must compile
# alone, and each source with nothing but the standard library and the
# catalogue folder on the include path.
#   check-catalogue-standalone.sh SOURCE_DIR CXX
set -euo pipefail
source "$(dirname "$0")/../tests/checks.sh"
source_dir=$1 cxx=$2
for header in "$source_dir"/catalogue/*.h; do
  name=$(basename "$header")
  check "$name alone" "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I"$source_dir/catalogue" -x c++ \
    - <<<"#include \"$name\""
done
for source in "$source_dir"/catalogue/*.cpp; do
  check "$(basename "$source")" "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -I"$source_dir/catalogue" -c "$source" -o /dev/null
done
finish_checks
