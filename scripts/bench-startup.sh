#!/usr/bin/env bash
# Start-up time and peak memory of Hexling against a bare Qt window, under a
# private X server without a window manager (so each top-level window is
# mapped on the root, where the timer sees it); and whether the goals are met.
#   bench-startup.sh BIN_DIR [RUNS]
set -euo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
source "$here/bench-goals.sh"
bin=$1 runs=${2:-15}

trap stop_desktop EXIT
start_desktop --bare
echo "on $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null)"
report=$("$bin/startup_timer" "$runs" "$bin/hexling" "$bin/hexling_bare_window")
echo "$report"
read -r startup memory < <(startup_ratios <<<"$report")
goal "start-up <= 1.10 x the bare Qt window (aim 1.05)" "$startup" 1.10
goal "peak memory <= 1.10 x the bare Qt window" "$memory" 1.10
