#!/usr/bin/env bash
# Runs the program in a real window, under a private X server and window
# manager, and checks the window from outside the process as the window
# manager sees it; then closes it as a user would.
#   real_window_test.sh PATH_TO_HEXLING
set -uo pipefail
source "$(dirname "$0")/../scripts/desktop-session.sh"
source "$(dirname "$0")/checks.sh"
hexling=$1

trap stop_desktop EXIT
start_desktop || exit 1
"$hexling" &
pid=$!
desktop_pids+=("$pid")
wait_for 20 client_window_of "$pid" || { echo "FAILED: no window appeared"; exit 1; }
window=$(client_window_of "$pid")

property() { xprop -id "$window" "$@"; }
has() { grep -q -F -- "$1"; }

# _MOTIF_WM_HINTS: flags, functions, decorations. With the ALL bit set, the
# other bits name what is taken away instead of what is offered.
offers() {  # field, bit
  if (($1 & 1)); then ((!($1 & $2))); else (($1 & $2)); fi
}
offers_no_minimise_or_maximise() {
  local flags functions decorations
  read -r flags functions decorations _ <<<"$(property _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
  ((flags & 1)) && ! offers "$functions" 8 && ! offers "$functions" 16 &&
    ((flags & 2)) && ! offers "$decorations" 32 && ! offers "$decorations" 64
}

check 'the title is "Hexling"' has '= "Hexling"' < <(property _NET_WM_NAME)
check "the client area is 458 x 172" test "$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')" = 458x172
check "the minimum size is 458 by 172" has 'minimum size: 458 by 172' < <(property WM_NORMAL_HINTS)
check "the maximum size is 458 by 172" has 'maximum size: 458 by 172' < <(property WM_NORMAL_HINTS)
check "it stays above other windows" has '_NET_WM_STATE_ABOVE' < <(property _NET_WM_STATE)
check "it has no taskbar button" has '_NET_WM_STATE_SKIP_TASKBAR' < <(property _NET_WM_STATE)
check "it has a 32 x 32 icon" has 'Icon (32 x 32)' < <(property _NET_WM_ICON)
check "the frame offers neither minimise nor maximise" offers_no_minimise_or_maximise
check "the window manager lets nobody resize it" \
  bash -c '! grep -q -E "_NET_WM_ACTION_(RESIZE|MAXIMIZE)" <(xprop -id "$0" _NET_WM_ALLOWED_ACTIONS)' "$window"

exited() { [[ ! -e /proc/$pid ]] || grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat"; }
wmctrl -i -c "$window"  # the window manager's close, as from the close box
if wait_for 20 exited; then
  wait "$pid"
  status=$?
  unset 'desktop_pids[-1]'
  check "closing the window ends the program with status 0 (was $status)" test "$status" -eq 0
else
  check "closing the window ends the program" false
fi

finish_checks
