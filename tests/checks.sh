# Checks for the shell tests: `check DESCRIPTION COMMAND...` runs the command
# and records the outcome; `finish_checks` prints the tally and fails when a
# check did. Source this file.

checks_passed=0
checks_failed=0

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    checks_passed=$((checks_passed + 1))
  else
    echo "FAILED: $what"
    checks_failed=$((checks_failed + 1))
  fi
}

finish_checks() {
  echo "$checks_passed passed, $checks_failed failed"
  ((checks_failed == 0))
}

# `needs COMMAND...` ends the test at once unless every command is installed.
# On a developer's machine that is a skip (status 77, which CTest reports as
# skipped), naming what is missing; make test installs them all and sets
# HEXLING_NO_SKIP, so there a missing one is a failure.
needs() {
  local missing=() command
  for command in "$@"; do
    command -v "$command" >/dev/null || missing+=("$command")
  done
  ((${#missing[@]} == 0)) && return 0
  if [[ -n ${HEXLING_NO_SKIP:-} ]]; then
    echo "FAILED: ${missing[*]} not installed"
    exit 1
  fi
  echo "skipped: needs ${missing[*]}, not installed"
  exit 77
}

# `needs_display` ends the test as `needs` does unless there is an X display:
# for a test that runs on a desktop another script puts up.
needs_display() {
  [[ -n ${DISPLAY:-} ]] && return 0
  if [[ -n ${HEXLING_NO_SKIP:-} ]]; then
    echo "FAILED: no X display to run on"
    exit 1
  fi
  echo "skipped: no X display to run on (the Windows tests put one up as their first test)"
  exit 77
}

# Ends process $1, asking first and insisting after $2 seconds (default 5),
# so that a process that will not end cannot hold a test for ever. Returns
# its status where it was a child of this shell.
end_process() {
  local pid=$1 seconds=${2:-5} step
  kill "$pid" 2>/dev/null
  for ((step = 0; step < seconds * 10; step++)); do
    [[ $(process_state "$pid") == Z ]] && break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The state letter of process $1 (Z once it has ended and awaits its parent's
# wait), Z also when there is no such process.
process_state() { sed -n 's/^[0-9]* (.*) \([A-Z]\) .*/\1/p' "/proc/$1/stat" 2>/dev/null || echo Z; }
