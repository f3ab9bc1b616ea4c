#!/usr/bin/env bash
# Runs hexling.exe under Wine in a real window, on the private desktop that
# scripts/wine-desktop.sh puts up for the Windows tests (X server, window
# manager, Wine server), and uses it from outside as a user would: started as a
# shortcut set to "Run: Maximized" or "Minimized" starts it; checked as the
# window manager sees it; typed at with the X server's keyboard, with no
# click first; read back with the probe; closed through the window manager.
#   wine_real_window_test.sh PATH_TO_HEXLING_EXE PATH_TO_PROBE_EXE WINE_PREFIX
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/../scripts/wine-prefix.sh"
source "$here/checks.sh"
source "$here/window_checks.sh"
needs xprop xwininfo xdotool wmctrl file
use_wine_prefix "$3" || exit 1
use_wine_desktop
needs_display
hexling=$1 probe=$2

shows() { "$wine" "$probe" 2>/dev/null | tr -d '\r'; }
no_hexling_window() { ! client_window_named Hexling >/dev/null; }
opens_normal() {
  [[ $(shows | head -n 1) == normal ]] && xwininfo -id "$1" | grep -q IsViewable &&
    ! property_has "$1" _NET_WM_STATE _MAXIMIZED_ && test "$(client_size "$1")" = 458x172
}

for how in max min; do
  "$wine" cmd /c start "/$how" "$("$wine" winepath -w "$hexling" 2>/dev/null | tr -d '\r')" </dev/null >/dev/null 2>&1
  wait_for 30 client_window_named Hexling || { echo "FAILED: no window appeared for start /$how"; exit 1; }
  window=$(client_window_named Hexling)
  check "started with start /$how, it opens normal, 458 x 172" wait_for 5 opens_normal "$window"
  wmctrl -i -c "$window"
  wait_for 20 no_hexling_window
done

"$wine" "$hexling" &
pid=$!  # also the _NET_WM_PID that Wine gives the window
trap 'kill "$pid" 2>/dev/null' EXIT
wait_for 30 client_window_of "$pid" || { echo "FAILED: no window appeared"; exit 1; }
window=$(client_window_of "$pid")

check_reference_window_frame "$window"
check "it has the keyboard from the start, without a click" wait_for 10 has_focus "$window"
xdotool key --delay 60 a 9
check "typing A9 picks line A9 and LDA: $(shows | sed -n '2,3p' | tr '\n' ' ')" \
  bash -c '[[ $(sed -n "2,3p" <<<"$0") == $'"'"'*A9  LDA  Immediate\nLDA'"'"' ]]' "$(shows)"
xdotool key --delay 60 Tab Tab End
xdotool type --delay 60 ' note'
xdotool key --delay 60 Escape
check "Escape in the description closes nothing and keeps the note" \
  bash -c 'xwininfo -id "$0" | grep -q IsViewable && grep -q "Load to Accumulator note" <<<"$1"' "$window" "$(shows)"
# No minimise from outside here: Wine does not pass an iconify by the X window
# manager on to a window without a minimise box, so no Windows program could
# undo it. On Windows itself the window undoes it (the binding's tests).
check_close_ends_program "$window" "$pid"
finish_checks
