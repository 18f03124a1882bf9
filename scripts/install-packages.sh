#!/usr/bin/env bash
# Installs the named Debian packages that are missing, and nothing else.
# Usage: install-packages.sh [--no-recommends] PACKAGE...
# Exits 0 when every package is present afterwards, 1 when one could not be installed
# (also on a system without dpkg and apt-get, saying what to install by hand).
set -euo pipefail

options=()
if [ "${1:-}" = "--no-recommends" ]; then
  options+=(--no-install-recommends)
  shift
fi

[ $# -eq 0 ] && exit 0
if ! command -v dpkg-query > /dev/null || ! command -v apt-get > /dev/null; then
  echo "No dpkg or apt-get here: install these Debian packages, or what they provide, by hand: $*" >&2
  exit 1
fi

missing=()
for package in "$@"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq || exit 1
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq "${options[@]}" "${missing[@]}" > /dev/null || exit 1
