#!/usr/bin/env bash
# Start-up of hexling.exe under Wine against two floors: a user32 program of
# the same four controls, empty, and a bare one (one window, the same frame,
# one static text); and the size of hexling.exe stripped. Run it under
# `scripts/wine-desktop.sh --bare`: no window manager, so each window is
# mapped on the root, where the timer sees it, and one Wine server for all runs.
#   bench-startup-wine.sh LINUX_BIN_DIR WINDOWS_BIN_DIR [RUNS]
set -euo pipefail
here=$(dirname "$0")
source "$here/wine-prefix.sh"
source "$here/bench-goals.sh"
timer=$1/startup_timer windows=$2 runs=${3:-21}

echo "under $("$wine" --version) on $(machine)"
report=$("$timer" --launcher "$wine" "$runs" "$windows/hexling.exe" "$windows/hexling_same_controls_window.exe" \
  "$windows/hexling_bare_window.exe")
echo "$report"
read -r startup memory < <(startup_ratios hexling_same_controls_window.exe <<<"$report")
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$windows/hexling.exe"
kilobytes=$(($(stat -c %s "$stripped") / 1024))
goal "start-up <= 1.10 x the same controls, empty" "$startup" 1.10
goal "peak memory <= 1.10 x the same controls, empty" "$memory" 1.10
goal "hexling.exe stripped, KB <= 512" "$kilobytes" 512
