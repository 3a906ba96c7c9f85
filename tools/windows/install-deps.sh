#!/usr/bin/env bash
# Installs, from Debian 12's packages, what the Windows cross-build needs on top of the Linux build:
# the mingw-w64 compilers, Wine to run the tests and the program, NSIS and zip for the packages,
# and what fetching and configuring Qt's own sources takes.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config perl python3 dpkg-dev file
  qt6-base-dev qt6-base-dev-tools
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  googletest
  wine wine64 xvfb xauth x11-utils imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho
  nsis zip unzip
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "Windows build dependencies installed"
