#!/usr/bin/env bash
# Changes one character at a time in copies of the two tables and expects each
# change to stop the build with a failed static_assert. Run from anywhere:
#   check-table-typos.sh SOURCE_DIR CXX [SAMPLES_PER_TABLE]
set -euo pipefail
source_dir=$1 cxx=$2 samples=${3:-8}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_dir/catalogue" "$work/"

compile() { "$cxx" -std=c++20 -fsyntax-only -I"$work/catalogue" "$work/catalogue/$1" 2>&1; }

failures=0
mutate_and_compile() {  # header, source, row pattern
  local header=$1 source=$2 pattern=$3
  compile "$source" >/dev/null || { echo "the unchanged $header does not compile"; exit 1; }
  mapfile -t rows < <(grep -n -E "$pattern" "$source_dir/catalogue/$header" | cut -d: -f1)
  for ((i = 0; i < samples; i++)); do
    local row=${rows[$(((i * 37 + 11) % ${#rows[@]}))]}
    # a character inside one of the row's quoted texts
    local text; text=$(sed -n "${row}p" "$source_dir/catalogue/$header")
    local -a inside=()
    local at quoted=0
    for ((at = 0; at < ${#text}; at++)); do
      if [[ ${text:at:1} == '"' ]]; then quoted=$((1 - quoted)); elif ((quoted)); then inside+=($((at + 1))); fi
    done
    local column=${inside[$(((i * 13 + 5) % ${#inside[@]}))]}
    local old=${text:column-1:1} new=x
    [[ $old == x ]] && new=y
    cp "$source_dir/catalogue/$header" "$work/catalogue/$header"
    sed -i "${row}s/./${new}/${column}" "$work/catalogue/$header"
    if [[ $(compile "$source" || true) == *'static assertion failed'* ]]; then
      echo "ok: $header line $row column $column '$old' -> '$new' stops the build"
    else
      echo "MISSED: $header line $row column $column '$old' -> '$new' still builds"
      failures=$((failures + 1))
    fi
  done
  cp "$source_dir/catalogue/$header" "$work/catalogue/$header"
}

mutate_and_compile opcode_table.h opcode_table.cpp '^    "[0-9A-F]{2}  '
mutate_and_compile asm_command_table.h asm_command_table.cpp '^    \{"[A-Z]{3}", '
echo "$((2 * samples - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
