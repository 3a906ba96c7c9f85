#!/usr/bin/env bash
# Cross-builds Zorimex for 64-bit Windows on Debian 12, runs its tests under Wine, and makes the
# portable zip and the installer (in the build folder). Needs root or sudo for its packages on
# the first run; Qt for Windows is built once and cached (see build-qt.sh).
#
#   tools/windows/build.sh [build folder]        (default: build-windows in the checkout)
#
# ZORIMEX_WINDOWS_TESTS=0 skips the tests, ZORIMEX_WINDOWS_PACKAGES=0 the packages.
# ZORIMEX_WINDOWS_GUI=0 builds only what needs no Qt (the core, zorimex-cli and their GoogleTest
# tests), without Qt for Windows and without packages: minutes rather than the Qt build.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-$repo/build-windows}")
cache_root=${ZORIMEX_WINDOWS_CACHE:-/var/cache/zorimex-windows}
jobs=${ZORIMEX_JOBS:-2}
start=$(date +%s)

gui=${ZORIMEX_WINDOWS_GUI:-1}

bash "$repo/tools/windows/install-deps.sh"
qt=""
toolchain=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64.cmake" -DZORIMEX_GUI=OFF)
if [ "$gui" != 0 ]; then
  qt=$(bash "$repo/tools/windows/build-qt.sh" | tail -1)
  echo "Qt for Windows: $qt ($(($(date +%s) - start)) s)"
  # Qt's toolchain file finds Qt and hands on to the mingw one.
  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64.cmake")
fi

# GoogleTest from Debian's sources, built with the same compilers; small, so cached by version.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest="$cache_root/googletest-$gtest_version"
if [ ! -f "$gtest/.complete" ]; then
  rm -rf "$gtest" "$build/googletest"
  cmake -S /usr/src/googletest -B "$build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_SHARED_LIBS=OFF >/dev/null
  cmake --build "$build/googletest" --parallel "$jobs" >/dev/null
  cmake --install "$build/googletest" >/dev/null
  touch "$gtest/.complete"
fi

# nlohmann-json is headers only; a copy of Debian's keeps /usr/include out of the Windows build.
json="$build/nlohmann-json"
mkdir -p "$json/include" "$json/share/cmake"
cp -r /usr/include/nlohmann "$json/include/"
cp -r /usr/share/cmake/nlohmann_json "$json/share/cmake/"

# The faces the offscreen platform draws with in the tests: the Linux build's Japanese faces.
fonts="$build/fonts"
mkdir -p "$fonts"
for face in /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/opentype/ipafont-mincho/*.ttf \
  /usr/share/fonts/truetype/rocknroll/*.ttf; do
  [ -e "$face" ] && ln -sf "$(readlink -f "$face")" "$fonts/"
done

export WINEPREFIX="$build/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init </dev/null >/dev/null 2>&1
  wineserver --wait
fi

# What every program run under Wine needs, in one command CMake runs the tests with.
runner="$build/wine-run"
cat >"$runner" <<RUNNER
#!/bin/sh
export ZORIMEX_QT_WINDOWS="$qt" ZORIMEX_WINDOWS_FONTS="$fonts" WINEPREFIX="$WINEPREFIX"
exec "$repo/tools/windows/wine-run.sh" "\$@"
RUNNER
chmod +x "$runner"

cmake -S "$repo" -B "$build/zorimex" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "${toolchain[@]}" -DZORIMEX_WEBENGINE=OFF -DZORIMEX_BENCH=OFF \
  -DGTest_DIR="$gtest/lib/cmake/GTest" \
  -Dnlohmann_json_DIR="$json/share/cmake/nlohmann_json" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$runner"
cmake --build "$build/zorimex" --parallel "$jobs"
echo "built ($(($(date +%s) - start)) s)"

if [ "${ZORIMEX_WINDOWS_TESTS:-1}" != 0 ]; then
  # One Wine server for all the tests rather than one started and stopped per test; it must not
  # hold this script's output open, and goes when the script ends, whatever way.
  # A server left from an earlier run on this prefix would refuse the new one's options.
  wineserver --kill >/dev/null 2>&1 || true
  wineserver --wait >/dev/null 2>&1 || true
  trap 'wineserver --kill >/dev/null 2>&1 || true' EXIT
  wineserver --persistent=600 </dev/null >/dev/null 2>&1
  # Wine's own services start with the first program; started here, they do not inherit (and
  # hold open) the output of a test, which would keep ctest waiting for them.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  ctest --test-dir "$build/zorimex" --output-on-failure --timeout 300 -j "$jobs"
  echo "tests passed under Wine ($(($(date +%s) - start)) s)"
fi

if [ "$gui" != 0 ] && [ "${ZORIMEX_WINDOWS_PACKAGES:-1}" != 0 ]; then
  ZORIMEX_QT_WINDOWS="$qt" bash "$repo/tools/windows/package.sh" "$build/zorimex"
  echo "packages made ($(($(date +%s) - start)) s)"
fi
echo "Windows build finished in $(($(date +%s) - start)) s"
