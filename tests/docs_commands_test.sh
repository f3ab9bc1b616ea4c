#!/usr/bin/env bash
# Every `make` command that the README, docs/ and the contributors' guide
# give has a ReadmeCommand test of its own, which runs it as a user does; and
# each label the contributors' guide names selects tests, as `ctest -L` does.
#   docs_commands_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
cd "$1" || exit 1
given=$(grep -h -o -E '`make [a-z-]+' README.md CONTRIBUTING.md docs/*.md | sed 's/`make //' | sort -u)
tested=$(sed -n '/^set(readme_commands/,/)/p' tests/CMakeLists.txt | awk '{print $1}' | grep -v -E '^set\(' | sort -u)
for command in $given; do
  [[ $command == test ]] && continue  # what runs them all
  check "make $command has its test" grep -q -x -- "$command" <<<"$tested"
done
for label in $(sed -n 's/^| `\([a-z-]*\)` | .*/\1/p' CONTRIBUTING.md | grep -v -x windows); do
  check "ctest -L $label selects tests" bash -c '! ctest --test-dir "$0" -N -L "$1" | grep -q "Total Tests: 0"' "$2" "$label"
done
finish_checks
