#!/usr/bin/env bash
# Start-up of hexling.exe against a bare user32 program (one window, the same
# frame, one static text) under Wine, and the size of hexling.exe stripped.
# Run it under `scripts/wine-desktop.sh --bare`: no window manager, so each
# window is mapped on the root, where the timer sees it, and one Wine server
# for all runs.
#   bench-startup-wine.sh LINUX_BIN_DIR WINDOWS_BIN_DIR [RUNS]
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
timer=$1/startup_timer windows=$2 runs=${3:-15}

echo "under $("$wine" --version) on $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
"$timer" "$runs" "$windows/hexling.exe" "$windows/hexling_bare_window.exe" "$wine" | tee /tmp/hexling-startup-wine.$$
ratio=$(sed -n 's/.*start-up \([0-9.]*\),.*/\1/p' /tmp/hexling-startup-wine.$$)
rm -f /tmp/hexling-startup-wine.$$
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" "$windows/hexling.exe"
kilobytes=$(($(stat -c %s "$stripped") / 1024))
rm -f "$stripped"
verdict() { if eval "$1"; then echo "met"; else echo "NOT met"; fi; }
echo "goal start-up <= 1.10 x the bare program: $ratio, $(verdict "awk 'BEGIN {exit !($ratio <= 1.10)}'")"
echo "goal hexling.exe <= 512 KB stripped: $kilobytes KB, $(verdict "((kilobytes <= 512))")"
