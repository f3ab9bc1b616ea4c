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
