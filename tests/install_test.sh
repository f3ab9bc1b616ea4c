#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop finds
# there: the program, a valid desktop entry, its icon and valid AppStream
# metadata.
#   install_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
build=$1
needs desktop-file-validate appstreamcli file
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr/local >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
prefix=$root/usr/local
id=org.hexling.Hexling
entry=$prefix/share/applications/$id.desktop
icon=$prefix/share/icons/hicolor/32x32/apps/$id.png

check "bin/hexling is installed and executable" test -x "$prefix/bin/hexling"
check "the desktop entry passes desktop-file-validate" desktop-file-validate "$entry"
check "the desktop entry runs hexling, in no terminal" grep -q -x -e 'Exec=hexling' "$entry"
check "the desktop entry says Terminal=false" grep -q -x -e 'Terminal=false' "$entry"
check "the desktop entry is in Development" grep -q -x -e 'Categories=Development;' "$entry"
check "the desktop entry names the icon that is installed" grep -q -x -e "Icon=$id" "$entry"
check "the icon is a 32 x 32 PNG with a palette" grep -q 'PNG image data, 32 x 32, 8-bit colormap' <(file "$icon")
check "the AppStream metadata passes appstreamcli validate" \
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "nothing else is installed" test "$(find "$root" -type f | wc -l)" -eq 4
finish_checks
