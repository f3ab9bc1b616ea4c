#!/usr/bin/env bash
# On a fresh machine another program (unattended upgrades) holds apt's lock:
# the package check waits for it, says so, and goes on once it is free. Here
# a program of the test's holds it for a few seconds, and the package asked
# for does not exist, so that nothing is installed once apt has the lock.
#   apt_lock_test.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
needs apt-get python3 flock
if [[ $(id -u) -ne 0 ]]; then
  [[ -n ${HEXLING_NO_SKIP:-} ]] && { echo "FAILED: needs root, to install packages"; exit 1; }
  echo "skipped: needs root, to install packages"
  exit 77
fi
lock=/var/lib/dpkg/lock-frontend
python3 -c 'import fcntl, sys, time
with open(sys.argv[1], "w") as lock:
    fcntl.lockf(lock, fcntl.LOCK_EX)
    time.sleep(float(sys.argv[2]))' "$lock" 8 &
holder=$!
trap 'kill "$holder" 2>/dev/null' EXIT
sleep 1  # for it to take the lock
start=$SECONDS
output=$("$1/scripts/ensure-packages.sh" hexling-test-no-such-package 2>&1)
status=$?
waited=$((SECONDS - start))
echo "$output" | tail -n 5
check "it says it waits for apt's lock" grep -q "Waiting for cache lock" <<<"$output"
check "and waits until the lock is free ($waited s)" test "$waited" -ge 6
check "then apt goes on, and finds no such package (status $status)" \
  bash -c '[[ $0 -ne 0 ]] && grep -q "Unable to locate package hexling-test-no-such-package" <<<"$1"' "$status" "$output"
finish_checks
