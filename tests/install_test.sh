#!/usr/bin/env bash
# Installs the build, stripped as make install does it, into a temporary
# DESTDIR and checks what a desktop finds there: the program, a valid desktop
# entry, its icon at every size, the manual page and valid AppStream metadata
# that a software centre's catalogue takes the icons from.
#   install_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
build=$1
needs desktop-file-validate appstreamcli /usr/libexec/appstreamcli-compose file gzip
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr/local --strip >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
prefix=$root/usr/local
id=org.hexling.Hexling
entry=$prefix/share/applications/$id.desktop
icons=$prefix/share/icons/hicolor

check "bin/hexling is installed and executable" test -x "$prefix/bin/hexling"
check "bin/hexling is stripped" grep -q ', stripped' <(file "$prefix/bin/hexling")
check "the desktop entry passes desktop-file-validate" desktop-file-validate "$entry"
check "the desktop entry runs hexling, in no terminal" grep -q -x -e 'Exec=hexling' "$entry"
check "the desktop entry says Terminal=false" grep -q -x -e 'Terminal=false' "$entry"
check "the desktop entry is in Development" grep -q -x -e 'Categories=Development;' "$entry"
check "the desktop entry names the icon that is installed" grep -q -x -e "Icon=$id" "$entry"
check "the 32 x 32 icon is the window's own, with a palette" grep -q 'PNG image data, 32 x 32, 8-bit colormap' <(file "$icons/32x32/apps/$id.png")
for size in 16 24 48 64 128 256; do
  check "the $size x $size icon is a PNG of that size" grep -q "PNG image data, $size x $size," <(file "$icons/${size}x$size/apps/$id.png")
done
check "the scalable icon is an SVG" grep -q 'SVG Scalable Vector Graphics' <(file "$icons/scalable/apps/$id.svg")
check "the manual page is installed compressed" gzip -t "$prefix/share/man/man1/hexling.1.gz"
check "the AppStream metadata passes appstreamcli validate" \
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli compose --origin hexling --result-root="$root/catalogue" --prefix=/usr/local "$root" >/dev/null 2>&1
catalogue=$(zcat "$root/catalogue/usr/local/share/swcatalog/xml/hexling.xml.gz" 2>/dev/null)
for size in 48 64 128; do
  check "a software centre's catalogue lists the $size x $size icon" \
    grep -q "<icon type=\"cached\" width=\"$size\" height=\"$size\">" <<<"$catalogue"
done
check "nothing else is installed" test "$(find "$root/usr" -type f | wc -l)" -eq 14
finish_checks
