#!/usr/bin/env bash
# On a distribution without apt the package check names what it would have
# installed and lets the build go on.
#   ensure_packages_test.sh SOURCE_DIR
set -uo pipefail
no_apt=$(mktemp -d)
trap 'rm -rf "$no_apt"' EXIT
for command in bash id; do ln -s "$(command -v "$command")" "$no_apt/"; done
output=$(PATH=$no_apt "$1/scripts/ensure-packages.sh" qt6-base-dev xvfb 2>&1)
status=$?
echo "status $status: $output"
[[ $status -eq 0 && $output == *"qt6-base-dev xvfb"* ]]
