#!/usr/bin/env bash
# Installs, from Debian 12's packages, everything Zorimex needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev libqt6svg6
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-rocknroll
  xvfb xauth x11-utils xdotool libxcb1-dev libxcb-damage0-dev openssl
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  weston xwayland qt6-wayland
  clang libclang-rt-14-dev clang-format clang-tidy
  appstream desktop-file-utils dpkg-dev file
)
bash "$(dirname "$0")/apt-install-missing.sh" "${packages[@]}"
echo "build dependencies installed"
