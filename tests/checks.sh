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
