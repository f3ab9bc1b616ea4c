# A private desktop for tests and screenshots: an X server at 96 DPI on a free
# display with an EWMH window manager. Source this file, then call
# start_desktop, and stop_desktop when done (from an EXIT trap, so that it
# also runs when a check fails). Only the processes started here are ended.
#   start_desktop           openbox, which ignores the Motif hints' buttons
#   start_desktop MANAGER   metacity, mutter (GNOME's), kwin_x11 (KDE's) or
#                           xfwm4 (Xfce's), all but metacity with a session bus
#   start_desktop --bare    no window manager

desktop_pids=()
desktop_dir=

# Runs a check again until it succeeds, for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Whether the X keyboard focus is in window $1 (a hexadecimal id).
has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == $(($1)) ]]; }

start_desktop() {
  local number
  # A folder of the desktop's own, for its FIFO and as the session's runtime folder.
  desktop_dir=$(mktemp -d)
  mkfifo "$desktop_dir/display"
  # -displayfd: Xvfb picks a free display itself and writes its number once it accepts clients
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$desktop_dir/display" 2>/dev/null &
  desktop_pids+=($!)
  read -r -t 30 number <"$desktop_dir/display" || number=
  [[ -n $number ]] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$number
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR_FOR_TESTS:-$desktop_dir}
  local manager=${1:-openbox}
  # mutter and KWin ask the session bus for their names; xfwm4 reads its
  # settings through xfconfd, which the bus starts.
  if [[ $manager == mutter || $manager == kwin_x11 || $manager == xfwm4 ]]; then
    dbus-daemon --session --nofork --address="unix:path=$desktop_dir/bus" >/dev/null 2>&1 &
    desktop_pids+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$desktop_dir/bus"
    wait_for 10 test -S "$desktop_dir/bus" || { echo "the session bus did not start" >&2; return 1; }
  fi
  case $manager in
    --bare) return 0 ;;
    openbox) openbox --sm-disable >/dev/null 2>&1 & ;;
    metacity) metacity --replace --sm-disable >/dev/null 2>&1 & ;;
    mutter) mutter --x11 --replace --sm-disable >/dev/null 2>&1 & ;;
    kwin_x11) QT_QPA_PLATFORM=xcb kwin_x11 --replace >/dev/null 2>&1 & ;;
    xfwm4) xfwm4 --replace --compositor=off --sm-client-disable >/dev/null 2>&1 & ;;
    *) echo "no such window manager here: $manager" >&2; return 1 ;;
  esac
  desktop_pids+=($!)
  wait_for 20 window_manager_ready || { echo "$manager did not start" >&2; return 1; }
}

stop_desktop() {
  local i
  for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
    # Either may have ended already; under `set -e` that must not stop the rest.
    kill "${desktop_pids[i]}" 2>/dev/null || true
    wait "${desktop_pids[i]}" 2>/dev/null || true
  done
  desktop_pids=()
  [[ -z $desktop_dir ]] || rm -rf "$desktop_dir"
  desktop_dir=
}

# The id of the top-level window that process $1 has mapped, once the window
# manager manages it.
client_window_of() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
    if xprop -id "$id" _NET_WM_PID | grep -q "= $1\$"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# The id of the top-level window titled exactly $1, once the window manager
# manages it.
client_window_named() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
    if xprop -id "$id" _NET_WM_NAME | grep -q -F -x "_NET_WM_NAME(UTF8_STRING) = \"$1\""; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
