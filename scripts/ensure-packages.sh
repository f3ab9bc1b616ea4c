#!/usr/bin/env bash
# Installs those of the named Debian packages that are missing: as root with
# apt-get, otherwise by printing the command to run and stopping. Where there
# is no apt (another distribution), it names them and lets the build go on
# with what is installed.
set -euo pipefail

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "No apt here, so nothing is installed: the build needs these Debian packages," >&2
  echo "or your distribution's own for the same: $*" >&2
  exit 0
fi

# One at a time: under make -j, two targets may ask at once, and apt takes
# one installation at a time.
exec 9>"${TMPDIR:-/tmp}/hexling-ensure-packages.lock"
flock 9

missing=()
for package in "$@"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$package")
done
((${#missing[@]} > 0)) || exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Hexling needs these Debian packages; please run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing the missing Debian packages: ${missing[*]}"
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
