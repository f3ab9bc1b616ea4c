#!/usr/bin/env bash
# One command of the README's tables, run as a user runs it from the source
# folder, in its shortest form, and what it must leave: so that none can break
# without a red test. It builds in the trees that make test uses.
#   readme_commands_test.sh SOURCE_DIR COMMAND
set -uo pipefail
here=$(dirname "$0")
source "$here/checks.sh"
source_dir=$1 command=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build=$source_dir/build windows=$source_dir/build-windows
[[ -n ${CI:-} ]] && build=$source_dir/build-ci-default windows=$source_dir/build-ci-windows

# A make of its own: the job server and level of a make that ran CTest are not its.
make_() { env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$source_dir" --no-print-directory "$@" >>"$work/log" 2>&1; }
says() { grep -q -E "$1" "$work/log"; }

case $command in
  run)
    needs Xvfb openbox xdotool wmctrl
    source "$here/../scripts/desktop-session.sh"
    trap 'stop_desktop; rm -rf "$work"' EXIT
    start_desktop || exit 1
    make_ run &
    make=$!
    check "make run opens the window" wait_for 120 client_window_named Hexling
    wmctrl -i -c "$(client_window_named Hexling)"
    wait "$make"
    status=$?
    check "and ends with status 0 once it is closed (was $status)" test "$status" -eq 0
    check "it builds the program alone, in a build tree it does not configure again" \
      test -z "$(grep -E -e '^-- Configuring' -e 'Building CXX object tests/' "$work/log")"
    ;;
  bench)
    check "make bench runs" make_ bench BENCH_REPETITIONS=1 BENCH_SECONDS=0.001
    check "it says the machine" says '^on .*cores'
    for lookup in HexToAsmCommand DescribeAsmCommand; do
      check "it says $lookup beside its floor" says "^$lookup: [0-9.]+ x its floor\$"
    done
    ;;
  bench-startup)
    check "make bench-startup runs" make_ bench-startup STARTUP_RUNS=1
    check "it says the goals on Linux and under Wine" test "$(grep -c -E '^goal (start-up|peak memory) <= 1.10 x the same controls, empty: [0-9.]+, (met|NOT met)$' "$work/log")" -eq 4
    check "and the size of hexling.exe" says '^goal hexling.exe stripped, KB <= 512: [0-9]+, (met|NOT met)$'
    ;;
  screenshot)
    check "make screenshot runs" make_ screenshot SCREENSHOT_DIR="$work"
    for picture in hexling.png hexling-windows.png; do
      check "it takes $picture" grep -q 'PNG image data' <(file "$work/$picture")
    done
    ;;
  install)
    check "make install runs" make_ install DESTDIR="$work/root"
    check "it installs the program, stripped" grep -q 'stripped' <(file -L "$work/root/usr/local/bin/hexling")
    check "and its manual page" test -f "$work/root/usr/local/share/man/man1/hexling.1.gz"
    check "which man reads" bash -c 'man -l "$0" >/dev/null' "$work/root/usr/local/share/man/man1/hexling.1.gz"
    check "as it reads the one in the sources" bash -c 'man -l "$0" >/dev/null' "$source_dir/app/linux/hexling.1"
    check "its lists of what it installed undo it, leaving no folder" bash -c 'sed "s|^|$1|" "$0/install_manifest.txt" |
      xargs rm && xargs rmdir < "$0/install_folders.txt" && test ! -e "$1/usr/local"' "$build" "$work/root"
    ;;
  package)
    check "make package runs" make_ package
    check "it writes the Debian package" bash -c 'compgen -G "$0/hexling_*_amd64.deb" >/dev/null' "$build"
    check "and the Windows ZIP" bash -c 'compgen -G "$0/hexling-*-win64.zip" >/dev/null' "$windows"
    ;;
  memcheck)  # the whole pass is Memcheck.*; here one test
    check "make memcheck runs" make_ memcheck MEMCHECK_TESTS='QtItemList.*'
    check "and says its result" says 'ERROR SUMMARY: 0 errors'
    ;;
  fuzz)
    check "make fuzz runs for a second" make_ fuzz FUZZ_SECONDS=1
    check "and says how far it came" says '^stat::number_of_executed_units: [0-9]+'
    ;;
  windows)
    check "make windows builds hexling.exe" make_ windows
    check "there" test -f "$windows/bin/hexling.exe"
    ;;
  clean)
    # Not in the source folder, whose trees the other tests use: in one of
    # its own, with the Makefile's trees and a file of the user's.
    trees=(build build-sanitize build-windows build-fuzz build-ci-default build-ci-sanitize build-ci-windows)
    for tree in "${trees[@]}"; do mkdir -p "$work/$tree/bin"; done
    touch "$work/notes.txt"
    check "make clean runs" make -C "$work" -f "$source_dir/Makefile" --no-print-directory clean
    check "it removes every build tree" bash -c 'for tree in "$@"; do [[ ! -e $0/$tree ]] || exit 1; done' "$work" "${trees[@]}"
    check "and nothing else" test -f "$work/notes.txt"
    ;;
  *)
    echo "no such command in the README: $command"
    exit 2
    ;;
esac
finish_checks || { tail -n 40 "$work/log"; exit 1; }
