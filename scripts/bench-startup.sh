#!/usr/bin/env bash
# Start-up time and peak memory of Hexling against two floors, under a
# private X server without a window manager (so each top-level window is
# mapped on the root, where the timer sees it): a program of the same four
# controls, empty, which is what any program with them pays, and a bare Qt
# window; and whether the goals are met.
#   bench-startup.sh BIN_DIR [RUNS]
set -euo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
source "$here/bench-goals.sh"
bin=$1 runs=${2:-21}

trap stop_desktop EXIT
start_desktop --bare
echo "on $(machine), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null)"
report=$("$bin/startup_timer" "$runs" "$bin/hexling" "$bin/hexling_same_controls_window" "$bin/hexling_bare_window")
echo "$report"
read -r startup memory < <(startup_ratios hexling_same_controls_window <<<"$report")
goal "start-up <= 1.10 x the same controls, empty" "$startup" 1.10
goal "peak memory <= 1.10 x the same controls, empty" "$memory" 1.10
