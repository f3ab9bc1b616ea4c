#!/usr/bin/env bash
# The icon's three files (PNG for the Linux desktop, XPM for the Qt binding,
# ICO for the Windows resources) are what scripts/draw-icon.py draws now.
#   icons_test.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
source_dir=$1
needs python3
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
python3 "$source_dir/scripts/draw-icon.py" "$drawn/hexling" || exit 1
for kind in png xpm ico; do
  check "hexling.$kind is as drawn" cmp "$drawn/hexling.$kind" "$source_dir/refwindow/icons/hexling.$kind"
done
finish_checks
