#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix PREFIX, made on
# first use, on the private desktop that CTest puts up for the Windows tests:
# CTest's emulator for the Windows build.
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# A program still running after HEXLING_WINE_SECONDS (default 120) is
# stopped: without a display, Wine waits for one for ever.
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
use_wine_prefix "$1"
use_wine_desktop
shift
exec timeout --kill-after=5 "${HEXLING_WINE_SECONDS:-120}" "$wine" "$@"
