#!/usr/bin/env bash
# Start-up time and peak memory of Hexling against two floors, under a
# private X server without a window manager (so each top-level window is
# mapped on the root, where the timer sees it): a program of the same four
# controls, empty, which is what any program with them pays, and a bare Qt
# window; and whether the goals are met.
# With STARTUP_FONTS=few, fontconfig sees only the fonts the window and the
# toolkit use (Liberation and DejaVu); otherwise every installed font.
#   bench-startup.sh BIN_DIR [RUNS]
set -euo pipefail
here=$(dirname "$0")
source "$here/desktop-session.sh"
source "$here/bench-goals.sh"
bin=$1 runs=${2:-21}

trap stop_desktop EXIT
start_desktop --bare
if [[ ${STARTUP_FONTS:-installed} == few ]]; then
  cat >"$desktop_dir/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/liberation</dir>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$desktop_dir/font-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
EOF
  export FONTCONFIG_FILE=$desktop_dir/fonts.conf
  fc-cache >/dev/null 2>&1 || true
fi
fonts=$(fc-list | wc -l)
echo "on $(machine), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null), with $fonts fonts (${STARTUP_FONTS:-installed})"
report=$("$bin/startup_timer" "$runs" "$bin/hexling" "$bin/hexling_same_controls_window" "$bin/hexling_bare_window")
echo "$report"
read -r startup memory < <(startup_ratios hexling_same_controls_window <<<"$report")
goal "start-up <= 1.10 x the same controls, empty" "$startup" 1.10
goal "peak memory <= 1.10 x the same controls, empty" "$memory" 1.10
