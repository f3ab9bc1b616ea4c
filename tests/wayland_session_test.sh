#!/usr/bin/env bash
# The Wayland sessions most desktops start, GNOME's and KDE Plasma's: their
# compositor as the display server, headless, with Xwayland, on a session bus
# and runtime folder of their own. Hexling opens on Xwayland above other
# windows, off the taskbar and with the keyboard; it stays above an ordinary
# window that takes the keyboard, and comes back when minimised. mutter is
# asked through what its X11 window manager sets, KWin through its scripting
# interface. Ends what it started, by PID.
#   wayland_session_test.sh PATH_TO_HEXLING mutter|kwin
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/desktop-session.sh"
source "$here/checks.sh"
source "$here/window_checks.sh"
hexling=$1 compositor=$2
needs dbus-daemon dbus-send Xwayland xprop xdotool xmessage "$([[ $compositor == kwin ]] && echo kwin_wayland || echo mutter)"

desktop_dir=$(mktemp -d)
trap stop_desktop EXIT
log=$desktop_dir/compositor.log
export XDG_RUNTIME_DIR=$desktop_dir WAYLAND_DISPLAY=hexling-$compositor DBUS_SESSION_BUS_ADDRESS=unix:path=$desktop_dir/bus
unset DISPLAY XAUTHORITY QT_QPA_PLATFORM
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
desktop_pids+=($!)
wait_for 10 test -S "$desktop_dir/bus" || { echo "FAILED: the session bus did not start"; exit 1; }

if [[ $compositor == mutter ]]; then
  mutter --wayland --headless --virtual-monitor 1024x768 --wayland-display="$WAYLAND_DISPLAY" >"$log" 2>&1 &
  desktop_pids+=($!)
  wait_for 30 grep -q 'Using public X11 display' "$log" || { echo "FAILED: mutter did not start"; cat "$log"; exit 1; }
  export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$log")
  export XAUTHORITY=$(compgen -G "$desktop_dir/.mutter-Xwaylandauth.*")
else
  # The installed binary carries a file capability, which a container without
  # that privilege refuses to run; a copy without it runs.
  cp "$(command -v kwin_wayland)" "$desktop_dir/kwin_wayland"
  "$desktop_dir/kwin_wayland" --virtual --xwayland --socket "$WAYLAND_DISPLAY" >"$log" 2>&1 &
  kwin=$!
  desktop_pids+=($kwin)
  wait_for 30 pgrep -P "$kwin" Xwayland || { echo "FAILED: KWin started no Xwayland"; cat "$log"; exit 1; }
  export DISPLAY=$(pgrep -a -P "$kwin" Xwayland | awk '{print $3}')
fi

# KWin's own account of each window: "CLASS keepAbove skipTaskbar minimized
# active stackingOrder", from a script it runs, which prints to its log.
kwin_script() {  # script text
  local name=hexling-$RANDOM$RANDOM
  echo "$1" >"$desktop_dir/$name.js"
  local id=$(dbus-send --session --print-reply=literal --dest=org.kde.KWin /Scripting \
    org.kde.kwin.Scripting.loadScript string:"$desktop_dir/$name.js" string:"$name" | awk '{print $2}')
  dbus-send --session --print-reply --dest=org.kde.KWin "/$id" org.kde.kwin.Script.run >/dev/null
  dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript string:"$name" >/dev/null
}
kwin_window() {  # class: its line
  local before=$(wc -l <"$log")
  kwin_script 'for (const w of workspace.clientList()) print("window " + [w.resourceClass, w.keepAbove, w.skipTaskbar,
    w.minimized, w.active, w.stackingOrder].join(" "));'
  wait_for 5 bash -c "tail -n +$((before + 1)) '$log' | grep -q '^js: window $1 '"
  tail -n "+$((before + 1))" "$log" | sed -n "s/^js: window $1 //p" | tail -n 1
}
stacked_above() {  # window, other
  if [[ $compositor == kwin ]]; then
    (($(kwin_window hexling | awk '{print $5}') > $(kwin_window xmessage | awk '{print $5}')))
  else
    local order=" $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g') "  # bottom first
    local below=${order%% "$(printf '0x%x' $(($1)))" *}
    [[ $below != "$order" && $below == *" $(printf '0x%x' $(($2)))"* ]]
  fi
}
above_off_taskbar_with_keyboard() {  # window
  if [[ $compositor == kwin ]]; then
    [[ $(kwin_window hexling) == "true true false true "* ]]
  else
    property_has "$1" _NET_WM_STATE _NET_WM_STATE_ABOVE && property_has "$1" _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR &&
      has_focus "$1"
  fi
}
minimise() {  # window
  if [[ $compositor == kwin ]]; then
    kwin_script 'for (const w of workspace.clientList()) if (w.resourceClass == "hexling") w.minimized = true;'
  else
    xdotool windowminimize "$1"
  fi
}
back() {  # window
  if [[ $compositor == kwin ]]; then
    [[ $(kwin_window hexling | awk '{print $3}') == false ]]
  else
    xwininfo -id "$1" | grep -q IsViewable && ! property_has "$1" _NET_WM_STATE _NET_WM_STATE_HIDDEN
  fi
}

"$hexling" 2>"$desktop_dir/hexling.err" &
desktop_pids+=($!)
wait_for 20 client_window_of "$!" || { echo "FAILED: no window on Xwayland"; cat "$desktop_dir/hexling.err"; exit 1; }
window=$(client_window_of "$!")
check "it opens on Xwayland, above other windows, off the taskbar and with the keyboard" \
  wait_for 10 above_off_taskbar_with_keyboard "$window"
check "it says nothing about Wayland: $(head -c 200 "$desktop_dir/hexling.err")" test ! -s "$desktop_dir/hexling.err"
xmessage -geometry 400x300+0+0 "an ordinary window" &
desktop_pids+=($!)
another_client() { xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | grep -v -x "$(printf '0x%x' $((window)))"; }
wait_for 20 another_client || { echo "FAILED: the ordinary window did not open"; exit 1; }
other=$(another_client)
xdotool windowactivate "$other" 2>/dev/null
check "an ordinary window takes the keyboard" wait_for 10 has_focus "$other"
check "and Hexling stays above it" stacked_above "$window" "$other"
minimise "$window"
sleep 0.5  # let the compositor take it off the screen first
check "minimised, it comes straight back" wait_for 10 back "$window"
check "and stays above the ordinary window" stacked_above "$window" "$other"
finish_checks
