#!/usr/bin/env bash
# Where the window cannot open, the program says why in one line, and only
# that line, naming the display as the user gave it or saying that none is
# named, and exits with status 1: never the toolkit's abort, also where the
# user chose the platform. One row per setting: what
# the line must name, then the environment and arguments.
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

says_why() {  # what the program's last line must name, then -- and the command
  local expected=$1 output status
  shift 2
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$@" 2>&1)
  status=$?
  echo "  status $status: $output"
  [[ $status -eq 1 && $output == "hexling: cannot open the window: "*"$expected"* && $output != *$'\n'* ]]
}

nothing_named="no display is named (DISPLAY or WAYLAND_DISPLAY)"
check "no display at all" says_why "$nothing_named" -- "$hexling"
check "no display named, where Wayland's default could be" says_why "$nothing_named" -- XDG_RUNTIME_DIR="$runtime" "$hexling"
check "-platform wayland, and XDG_RUNTIME_DIR unset" says_why "XDG_RUNTIME_DIR" -- WAYLAND_DISPLAY=nope "$hexling" -platform wayland
check "DISPLAY that nobody serves" says_why "display :$free" -- DISPLAY=:$free "$hexling"
check "DISPLAY that is no display name" says_why "display nonsense" -- DISPLAY=nonsense "$hexling"
check "-display that nobody serves" says_why "display :$free" -- "$hexling" -display :$free
check "WAYLAND_DISPLAY where no compositor listens" says_why "wl_display" -- \
  WAYLAND_DISPLAY=nope XDG_RUNTIME_DIR="$runtime" "$hexling"
check "xcb chosen, and nobody serves its display" says_why "display :$free" -- \
  QT_QPA_PLATFORM=xcb DISPLAY=:$free "$hexling"
check "-platform wayland, and no compositor listens" says_why "wl_display" -- \
  WAYLAND_DISPLAY=nope XDG_RUNTIME_DIR="$runtime" "$hexling" -platform wayland
check "a platform there is none of" says_why '"nonsense"' -- "$hexling" -platform nonsense
finish_checks
