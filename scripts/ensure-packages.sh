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

missing_of() {  # the named packages that are not installed
  local package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || echo "$package"
  done
}
mapfile -t missing < <(missing_of "$@")
((${#missing[@]} > 0)) || exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Hexling needs these Debian packages; please run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

# One at a time: under make -j, two targets may ask at once. The lock is this
# script itself, a file no other user can have made beforehand.
exec 9<"${BASH_SOURCE[0]}"
flock 9
mapfile -t missing < <(missing_of "${missing[@]}")  # what another one installed meanwhile
((${#missing[@]} > 0)) || exit 0

# On a freshly booted machine, unattended upgrades hold apt's lock for
# minutes: apt waits for it, up to ten minutes, and says so while it waits.
echo "Installing the missing Debian packages: ${missing[*]} (waiting for apt's lock while another program holds it)"
apt-get -o DPkg::Lock::Timeout=600 update
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y "${missing[@]}"
