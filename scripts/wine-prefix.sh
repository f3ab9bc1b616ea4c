# Wine for the Windows build. Source this file, then call use_wine_prefix DIR:
# it exports what every Wine call here needs, for a private Wine prefix in DIR,
# and makes the prefix on first use. Then use_wine_desktop takes the display
# of the private desktop that wine-desktop.sh --start has put up for it, if
# one is up.

# The 64-bit loader: the plain `wine` looks for the 32-bit one first.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

use_wine_prefix() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
  # No Mono or Gecko installers; and a crash ends the program with status 5
  # instead of waiting in the debugger's dialog.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  [[ -e $WINEPREFIX/.ready ]] && return 0
  mkdir -p "$WINEPREFIX"
  (
    flock 9  # CTest may start several programs at once
    [[ -e $WINEPREFIX/.ready ]] && exit 0
    timeout 120 "$wine" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed in $WINEPREFIX" >&2; exit 1; }
    # Debian's Wine does not find the fonts it ships by itself.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.ready"
  ) 9>"$WINEPREFIX.lock"
}

use_wine_desktop() {
  [[ -f $WINEPREFIX.desktop ]] || return 0
  # shellcheck source=/dev/null
  source <(grep -E '^export (DISPLAY|XDG_RUNTIME_DIR)=' "$WINEPREFIX.desktop")
}
