#!/usr/bin/env bash
# Where the window cannot open, the program says why in one line, naming the
# display as the user gave it, and exits with status 1: never the toolkit's
# abort. One row per setting: the environment and arguments, then what the
# line must say.
#   bad_display_test.sh PATH_TO_HEXLING
set -uo pipefail
source "$(dirname "$0")/checks.sh"
hexling=$1

# A display number that no X server here serves, at its file or abstract socket.
for ((free = 917; free < 999; free++)); do
  [[ -e /tmp/.X11-unix/X$free ]] || grep -q "/tmp/.X11-unix/X$free\$" /proc/net/unix || break
done
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

says_why() {  # what the lines must say, one argument a line, then -- and the command
  local expected=() output status line=0
  while [[ $1 != -- ]]; do expected+=("$1"); shift; done
  shift
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$@" 2>&1)
  status=$?
  echo "  status $status: $output"
  [[ $status -eq 1 && $(wc -l <<<"$output") -eq ${#expected[@]} ]] || return 1
  while IFS= read -r said; do
    [[ $said == *"${expected[line]}"* ]] || return 1
    line=$((line + 1))
  done <<<"$output"
}

check "no display at all" says_why "neither DISPLAY nor WAYLAND_DISPLAY is set" -- "$hexling"
check "DISPLAY that nobody serves" says_why "no X server answers at display :$free (from DISPLAY)" -- \
  DISPLAY=:$free "$hexling"
check "DISPLAY that is no display name" says_why 'DISPLAY "nonsense" names no X display' -- DISPLAY=nonsense "$hexling"
check "-display that nobody serves" says_why "no X server answers at display :$free (from -display)" -- \
  "$hexling" -display :$free
check "WAYLAND_DISPLAY without XDG_RUNTIME_DIR" says_why 'WAYLAND_DISPLAY is "nope", but XDG_RUNTIME_DIR' -- \
  WAYLAND_DISPLAY=nope "$hexling"
check "WAYLAND_DISPLAY where no compositor listens" says_why "WAYLAND_DISPLAY \"nope\", that is $runtime/nope" -- \
  WAYLAND_DISPLAY=nope XDG_RUNTIME_DIR="$runtime" "$hexling"
check "both, and neither answers: both said" says_why "no X server answers at display :$free (from DISPLAY)" \
  "WAYLAND_DISPLAY \"nope\", that is $runtime/nope" -- DISPLAY=:$free WAYLAND_DISPLAY=nope XDG_RUNTIME_DIR="$runtime" "$hexling"
finish_checks
