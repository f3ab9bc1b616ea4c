#!/usr/bin/env bash
# Without any display the program says in one line that it needs a desktop
# session and exits with status 1, instead of the toolkit's abort.
#   no_display_test.sh PATH_TO_HEXLING
set -uo pipefail
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "status $status: $output"
[[ $status -eq 1 && $output == *"needs a desktop session"* && $(wc -l <<<"$output") -eq 1 ]]
