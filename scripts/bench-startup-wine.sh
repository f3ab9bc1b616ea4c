#!/usr/bin/env bash
# Start-up of hexling.exe against a bare user32 program (one window, the same
# frame, one static text) under Wine, and the size of hexling.exe stripped.
# Run it under `scripts/wine-desktop.sh --bare`: no window manager, so each
# window is mapped on the root, where the timer sees it, and one Wine server
# for all runs.
#   bench-startup-wine.sh LINUX_BIN_DIR WINDOWS_BIN_DIR [RUNS]
set -euo pipefail
here=$(dirname "$0")
source "$here/wine-prefix.sh"
source "$here/bench-goals.sh"
timer=$1/startup_timer windows=$2 runs=${3:-15}

echo "under $("$wine" --version) on $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
report=$("$timer" "$runs" "$windows/hexling.exe" "$windows/hexling_bare_window.exe" "$wine")
echo "$report"
read -r startup _ < <(startup_ratios <<<"$report")
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" "$windows/hexling.exe"
kilobytes=$(($(stat -c %s "$stripped") / 1024))
rm -f "$stripped"
goal "start-up <= 1.10 x the bare user32 program" "$startup" 1.10
goal "hexling.exe stripped, KB <= 512" "$kilobytes" 512
