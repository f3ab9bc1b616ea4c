#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, has lintian check it,
# unpacks it there (it is never installed) and checks its files and its
# dependencies.
#   package_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
build=$1
needs dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work" >cpack.log 2>&1) ||
  { cat "$work/cpack.log"; echo "FAILED: cpack"; exit 1; }
package=$(find "$work" -maxdepth 1 -name 'hexling_*.deb')
dpkg-deb -x "$package" "$work/root"
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"

check "lintian finds no error, warning or informational tag" lintian --fail-on error,warning,info --display-info "$package"
version=$(dpkg-parsechangelog -l "$(dirname "$0")/../packaging/changelog" -S Version)
check "the changelog's newest entry is this version ($version)" test "$version" = "$(dpkg-deb -f "$package" Version)"

depends_on() { tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -q -x -F "$1"; }
check "it holds /usr/bin/hexling" test -x "$work/root/usr/bin/hexling"
check "it holds the desktop entry" test -f "$work/root/usr/share/applications/org.hexling.Hexling.desktop"
check "it holds the icon" test -f "$work/root/usr/share/icons/hicolor/32x32/apps/org.hexling.Hexling.png"
check "it holds the AppStream metadata" test -f "$work/root/usr/share/metainfo/org.hexling.Hexling.metainfo.xml"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libstdc++6 libc6; do
  check "it depends on $library, found in the binary" depends_on "$library"
done
check "it depends on fonts-liberation, the stand-in for Courier New" depends_on fonts-liberation
check "it depends on qt6-qpa-plugins, for the X11 platform plugin" depends_on qt6-qpa-plugins
finish_checks
