# Checks of a top-level window from outside its process, as the window manager
# sees it, shared by the real-window tests of both bindings. Source this file
# after checks.sh and desktop-session.sh.

# _MOTIF_WM_HINTS: flags, functions, decorations. With the ALL bit set, the
# other bits name what is taken away instead of what is offered.
motif_offers() {  # field, bit
  if (($1 & 1)); then ((!($1 & $2))); else (($1 & $2)); fi
}
offers_no_minimise_or_maximise() {  # window
  local flags functions decorations
  read -r flags functions decorations _ <<<"$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
  ((flags & 1)) && ! motif_offers "$functions" 8 && ! motif_offers "$functions" 16 &&
    ((flags & 2)) && ! motif_offers "$decorations" 32 && ! motif_offers "$decorations" 64
}
client_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
property_has() {  # window, property, text
  xprop -id "$1" "$2" | grep -q -F -- "$3"
}
nobody_may_resize() { ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q -E '_NET_WM_ACTION_(RESIZE|MAXIMIZE)'; }

# The frame of the reference window at 96 DPI.
check_reference_window_frame() {  # window
  local window=$1
  check 'the title is "Hexling"' property_has "$window" _NET_WM_NAME '= "Hexling"'
  check "the client area is 458 x 172 (is $(client_size "$window"))" test "$(client_size "$window")" = 458x172
  check "the minimum size is 458 by 172" property_has "$window" WM_NORMAL_HINTS 'minimum size: 458 by 172'
  check "the maximum size is 458 by 172" property_has "$window" WM_NORMAL_HINTS 'maximum size: 458 by 172'
  check "it stays above other windows" property_has "$window" _NET_WM_STATE _NET_WM_STATE_ABOVE
  check "it has no taskbar button" property_has "$window" _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
  check "it has a 32 x 32 icon" property_has "$window" _NET_WM_ICON 'Icon (32 x 32)'
  check "the frame offers neither minimise nor maximise" offers_no_minimise_or_maximise "$window"
  check "the window manager lets nobody resize it" nobody_may_resize "$window"
}

# Minimises the window as another program may, although the frame offers no
# minimise button, and expects it back on screen and on top.
check_minimise_is_undone() {  # window
  local window=$1
  back() { xwininfo -id "$window" | grep -q IsViewable && ! property_has "$window" _NET_WM_STATE _NET_WM_STATE_HIDDEN; }
  xdotool windowminimize "$window"
  sleep 0.3  # let the window manager take it off the screen first
  check "minimised from outside, it comes straight back" wait_for 10 back
  check "and stays above other windows" property_has "$window" _NET_WM_STATE _NET_WM_STATE_ABOVE
}

# Closes the window through the window manager, as from its close box, and
# expects process $pid to end with status 0. Only a child of this shell can
# be waited for.
check_close_ends_program() {  # window, pid
  local window=$1 pid=$2 status
  exited() { [[ ! -e /proc/$pid ]] || grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat"; }
  wmctrl -i -c "$window"
  if wait_for 20 exited; then
    wait "$pid"
    status=$?
    check "closing the window ends the program with status 0 (was $status)" test "$status" -eq 0
  else
    check "closing the window ends the program" false
  fi
}
