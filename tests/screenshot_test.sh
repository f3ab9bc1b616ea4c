#!/usr/bin/env bash
# The README's screenshot: status 0 with a picture of the framed window, and
# not 0 without one, whatever the exit trap has to end.
#   screenshot_test.sh SOURCE_DIR PATH_TO_HEXLING
set -uo pipefail
source "$(dirname "$0")/checks.sh"
source_dir=$1 hexling=$2
needs Xvfb openbox xprop xwininfo xdotool import file
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$source_dir/scripts/screenshot.sh" "$work/window.png" "$hexling" >"$work/log" 2>&1
status=$?
check "it exits with status 0 (was $status)" test "$status" -eq 0
check "the picture is a PNG a little larger than the 458 x 172 window" \
  grep -q -E 'PNG image data, 4[6-9][0-9] x (1[89][0-9]|2[0-4][0-9]),' <(file "$work/window.png")
"$source_dir/scripts/screenshot.sh" "$work/missing/window.png" "$hexling" >>"$work/log" 2>&1
status=$?
check "without the picture it exits with a status other than 0 (was $status)" test "$status" -ne 0
finish_checks || { cat "$work/log"; exit 1; }
