#!/usr/bin/env bash
# The icon's files (PNGs and SVG for the Linux desktop, XPM for the Qt
# binding, ICO for the Windows resources) are what scripts/draw-icon.py draws now.
#   icons_test.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
source_dir=$1
needs python3
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
python3 "$source_dir/scripts/draw-icon.py" "$drawn/hexling" || exit 1
for drawn_file in "$drawn"/*; do
  name=$(basename "$drawn_file")
  check "$name is as drawn" cmp "$drawn_file" "$source_dir/refwindow/icons/$name"
done
read -r _ _ colours _ < <(grep -m 1 -o '"[0-9]* [0-9]* [0-9]* [0-9]*"' "$source_dir/refwindow/icons/hexling.xpm" | tr -d '"')
check "the window's icon has 256 colours at most (has $colours)" test "${colours:-999}" -le 256
finish_checks
