#!/usr/bin/env bash
# Start-up time and peak memory of Hexling against a bare Qt window, under a
# private X server without a window manager (so each top-level window is
# mapped on the root, where the timer sees it).
#   bench-startup.sh BIN_DIR [RUNS]
set -euo pipefail
source "$(dirname "$0")/desktop-session.sh"
bin=$1 runs=${2:-15}

trap stop_desktop EXIT
start_desktop --bare
echo "on $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null)"
"$bin/startup_timer" "$runs" "$bin/hexling" "$bin/hexling_bare_window"
