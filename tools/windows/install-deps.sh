#!/usr/bin/env bash
# Installs, from Debian 12's packages, what the Windows cross-build needs on top of the Linux build:
# the mingw-w64 compilers, Wine with its preloader (see wine-run.sh) to run the tests and the
# program, NSIS and zip for the packages, Qt's Japanese texts to ship, the host's lrelease for the
# program's Japanese messages, the Japanese locale's sources (the package check and a test under
# Wine make a ja_JP locale, which Wine turns into Windows' UI language), and what fetching and
# configuring Qt's own sources takes.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config perl python3 dpkg-dev file
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  googletest nlohmann-json3-dev
  wine wine64 wine64-preloader xvfb xauth x11-utils imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-rocknroll
  nsis zip unzip qt6-translations-l10n locales
)
bash "$(dirname "$0")/../apt-install-missing.sh" "${packages[@]}"
echo "Windows build dependencies installed"
