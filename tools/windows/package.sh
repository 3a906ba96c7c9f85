#!/usr/bin/env bash
# Makes the Windows packages from a cross-build: the portable zorimex-<version>-win64.zip and the
# per-user installer zorimex-<version>-win64-setup.exe (NSIS), both in the build folder.
#
#   tools/windows/package.sh <zorimex build folder>
#
# ZORIMEX_QT_WINDOWS: the Qt prefix the build used (build-qt.sh prints it).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
qt=${ZORIMEX_QT_WINDOWS:?the Qt for Windows prefix}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="zorimex-$version-win64"
stage="$build/package/$name"
objdump=x86_64-w64-mingw32-objdump
strip=x86_64-w64-mingw32-strip

rm -rf "$build/package"
mkdir -p "$stage/licenses"
# The two programs, wherever the build put them (the build lists them).
mapfile -t programs <"$build/windows-programs.txt"
cp "${programs[@]}" "$stage/"

# Plugins next to the executables, where Qt looks for them first: the Windows platform, the
# native style, and the JPEG and GIF readers the windows' pictures need.
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg imageformats/qgif; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin.dll" "$stage/$plugin.dll"
done

# Every DLL the executables and plugins import from Qt or the mingw runtime, followed through the
# DLLs' own imports; the rest are Windows' own.
IFS=';' read -r -a search <<<"$qt/bin;$("$repo/tools/windows/mingw-runtime-dirs.sh")"
pending=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  while read -r dll; do
    [ -e "$stage/$dll" ] && continue
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done < <($objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
$strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# Qt's own Japanese texts (its dialogs' buttons and the like), where Qt looks for translations
# when no qt.conf says otherwise: translations/ beside the executables.
mkdir -p "$stage/translations"
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"

# Zorimex's own licence, with Windows line ends and a byte-order mark so that every Notepad reads
# its Japanese names as UTF-8.
text_for_windows() { printf '\xef\xbb\xbf'; sed 's/\r*$/\r/' "$@"; }
text_for_windows "$repo/LICENSE" >"$stage/LICENSE.txt"
# The installer's licence page wraps lines itself: there each paragraph is one line.
licence_page="$build/package/licence-page.txt"
awk 'BEGIN { RS = ""; ORS = "\n\n" } { gsub(/\n/, " "); print }' "$repo/LICENSE" |
  text_for_windows >"$licence_page"

# The licences of what is shipped: Qt's base modules and its translations, the GCC runtime,
# mingw-w64's winpthreads.
cp /usr/share/doc/qt6-base-dev/copyright "$stage/licenses/qt6-base.txt"
cp /usr/share/doc/qt6-translations-l10n/copyright "$stage/licenses/qt6-translations.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"

rm -f "$build/$name.zip" "$build/$name-setup.exe"
(cd "$build/package" && zip -qr "$build/$name.zip" "$name")
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DICON="$repo/packaging/windows/zorimex.ico" -DLICENCE_PAGE="$licence_page" \
  -DOUTFILE="$build/$name-setup.exe" \
  "$repo/packaging/windows/installer.nsi"
echo "$build/$name.zip"
echo "$build/$name-setup.exe"
