#!/usr/bin/env bash
# Builds Qt's base modules for 64-bit Windows from Debian's own qt6-base source package, with the
# mingw-w64 compilers, and installs them into a cache outside the checkout. The cache is keyed by
# the Qt package version and the configure line, so a second run finds it and does nothing.
# Prints the installed prefix as its last line.
#
# ZORIMEX_WINDOWS_CACHE: where the cache lives (default /var/cache/zorimex-windows).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
cache_root=${ZORIMEX_WINDOWS_CACHE:-/var/cache/zorimex-windows}
toolchain="$repo/cmake/toolchains/mingw-w64.cmake"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The host's Qt provides moc, rcc and uic for the cross-build, so both must be the same release.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

configure_options=(
  -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -qt-host-path /usr -release -shared -opengl desktop
  -qt-libjpeg -qt-libpng -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype
  -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-printsupport
  -no-feature-concurrent -no-feature-xml -no-feature-vulkan -no-feature-tabletevent
  -nomake examples -nomake tests
)
cmake_options=(
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
)
key=$( (printf '%s\n' "${configure_options[@]}" "${cmake_options[@]:0:1}"; cat "$toolchain") |
  sha256sum | cut -c1-12)
prefix="$cache_root/qt-$qt_version-$key"

if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows already built"
  echo "$prefix"
  exit 0
fi

# apt-get source needs deb-src entries; they are made from the machine's own Debian sources.
src_list=/etc/apt/sources.list.d/zorimex-deb-src.sources
if ! apt-get source --print-uris -qq "qt6-base=$qt_version" >/dev/null 2>&1; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee "$src_list" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed -E 's/^deb /deb-src /' |
      $sudo tee /etc/apt/sources.list.d/zorimex-deb-src.list >/dev/null
  fi
  $sudo apt-get update -qq
fi

work="$cache_root/work-qt-$qt_version-$key"
$sudo mkdir -p "$cache_root"
[ -w "$cache_root" ] || $sudo chown "$(id -u):$(id -g)" "$cache_root"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
apt-get source -qq "qt6-base=$qt_version" >/dev/null
src=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -1)

mkdir build
cd build
"$src/configure" -prefix "$prefix" "${configure_options[@]}" -- "${cmake_options[@]}" -G Ninja
cmake --build . --parallel "${ZORIMEX_JOBS:-2}"
cmake --install . >/dev/null
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
