#!/usr/bin/env bash
# Takes a README screenshot: the window, with its frame, under a private X
# server and window manager, after picking line A9 from the keyboard. A
# Windows program (.exe) runs under Wine, in the Wine prefix beside its bin/.
#   screenshot.sh OUTPUT_PNG PATH_TO_HEXLING
set -euo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
output=$1 hexling=$2

trap stop_desktop EXIT
start_desktop
if [[ $hexling == *.exe ]]; then
  source "$here/wine-prefix.sh"
  use_wine_prefix "$(dirname "$hexling")/../wine-prefix"
  trap '"$wineserver" -k 2>/dev/null || true; stop_desktop' EXIT
  "$wine" "$hexling" &
else
  "$hexling" &
fi
pid=$!
desktop_pids+=("$pid")
wait_for 30 client_window_of "$pid"
window=$(client_window_of "$pid")

# The window takes the keyboard itself, as it does on a user's desktop.
wait_for 10 has_focus "$window" || { echo "the window did not take the keyboard" >&2; exit 1; }
xdotool key --delay 50 A 9
sleep 0.5  # let the last repaint reach the screen

read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" +repage "$output"
echo "wrote $output"
