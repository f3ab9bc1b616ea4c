#!/usr/bin/env bash
# The same commit gives the same packages, bit for bit, wherever and whenever
# it is built: two clones of the source folder's commit, in folders of other
# names and depths, each built and packaged as make package does, one after
# the other; the Debian package, the program in it, the Windows ZIP and the
# program in it must have the same checksums.
#   reproducible_test.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
source_dir=$1
needs git cmake ninja cpack x86_64-w64-mingw32-g++-posix dpkg-deb unzip sha256sum
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: $source_dir is no git checkout"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {  # into $1: clone, build, package, and the checksums of what a user gets
  local clone=$1
  git clone -q "$source_dir" "$clone" || return 1
  (
    cd "$clone" || exit 1
    for preset in default windows; do
      cmake --preset $preset -DBUILD_TESTING=OFF -DHEXLING_BENCH=OFF -DHEXLING_SOURCE_CHECKS=OFF >/dev/null &&
        cmake --build --preset $preset >/dev/null || exit 1
    done
    (cd build && cpack >/dev/null) && (cd build-windows && cpack >/dev/null) || exit 1
    dpkg-deb -x build/hexling_*_amd64.deb unpacked && unzip -q -d unzipped build-windows/hexling-*-win64.zip || exit 1
    sha256sum build/hexling_*_amd64.deb unpacked/usr/bin/hexling build-windows/hexling-*-win64.zip unzipped/hexling-*/hexling.exe
  ) >"$clone.sums" 2>"$clone.log" || { cat "$clone.log"; return 1; }
}

build "$work/one/hexling" || { echo "FAILED: the first build"; exit 1; }
sleep 1  # another second on every clock
build "$work/another/folder/hexling-too" || { echo "FAILED: the second build"; exit 1; }
while read -r sum file; do
  check "$file is the same in both: $sum" grep -q -x -F "$sum  $file" "$work/another/folder/hexling-too.sums"
done <"$work/one/hexling.sums"
finish_checks
