#!/usr/bin/env bash
# Takes the README's screenshot: the window, with its frame, under a private
# X server and window manager, after typing "A9" into the opcode list.
#   screenshot.sh PATH_TO_HEXLING OUTPUT_PNG
set -euo pipefail
source "$(dirname "$0")/desktop-session.sh"
hexling=$1 output=$2

trap stop_desktop EXIT
start_desktop
"$hexling" &
pid=$!
desktop_pids+=("$pid")
wait_for 20 client_window_of "$pid"
window=$(client_window_of "$pid")

xdotool windowactivate --sync "$window"
xdotool type --delay 50 A9
sleep 0.5  # let the last repaint reach the screen

read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" +repage "$output"
echo "wrote $output"
