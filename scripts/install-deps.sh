#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Dorvex need,
# and only those that are missing, so that a second run costs next to nothing.
set -euo pipefail

packages=(
  cmake g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64
  xvfb x11-utils imagemagick fonts-wine
  googletest
  cups cups-bsd printer-driver-cups-pdf poppler-utils
  rename locales clang-format
  fusefat fuse3 dosfstools
  wixl msitools zip git
)
# Further packages for other tools of the repository (fuzzing, benchmarks...).
extra_packages=(clang libclang-rt-14-dev)
packages+=("${extra_packages[@]}" ${DORVEX_EXTRA_PACKAGES:-})

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

if [[ $(id -u) != 0 ]]; then
  echo "install-deps.sh: missing packages: ${missing[*]}" >&2
  echo "install-deps.sh: run this script as root to install them" >&2
  exit 1
fi

echo "install-deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
