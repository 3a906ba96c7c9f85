#!/usr/bin/env bash
# Proves the Windows packages under Wine, as a user would use them:
# - the zip, unpacked: zorimex-cli.exe converts with nothing but the zip's own DLLs;
# - the installer, run silently (/S) without administrator rights: the program lands in the
#   user's programs folder with a Start-menu entry and an uninstaller; started on an X server
#   (Xvfb) it shows its start-up window (a screenshot is kept) and creates the preference file
#   with "U"; the silent uninstall then leaves nothing of it but that preference file.
#
#   tools/windows/check-packages.sh <zorimex build folder>
set -euo pipefail
build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="zorimex-$version-win64"
work="$build/package-check"
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
fail() {
  echo "package check failed: $*" >&2
  exit 1
}

wineboot --init >/dev/null 2>&1
wineserver --wait
user_home=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
local_data="$user_home/AppData/Local"
installed="$local_data/Programs/Zorimex"
shortcut="$user_home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zorimex.lnk"
preference="$local_data/Zorimex/Program Files/Zorimex 2002/or.txt"

echo "-- the zip"
(cd "$work" && unzip -q "$build/$name.zip")
out=$(wine "$work/$name/zorimex-cli.exe" convert 1234.56 --currency 14 | tr -d '\r')
[[ $out == *"13万5千802"* && $out == *"135801.6円"* ]] || fail "zorimex-cli.exe from the zip printed '$out'"
for file in zorimex.exe platforms/qwindows.dll imageformats/qjpeg.dll imageformats/qgif.dll \
  licenses/qt6-base.txt; do
  [ -f "$work/$name/$file" ] || fail "the zip lacks $file"
done

# The version record Windows shows in the file's properties (its strings are UTF-16 in the file).
python3 - "$work/$name/zorimex.exe" <<'PYTHON' || fail "zorimex.exe lacks its version record"
import sys
data = open(sys.argv[1], "rb").read()
for text in ("041104B0", "Zorimex Ver2.3のバージョンアップです。", "Zorimex5.exe", "6.00"):
    if text.encode("utf-16-le") not in data:
        sys.exit(f"no {text!r}")
PYTHON

echo "-- the installer"
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/before.txt"
wine "$build/$name-setup.exe" /S
wineserver --wait
[ -f "$installed/zorimex.exe" ] || fail "nothing installed in $installed"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorimex' >/dev/null ||
  fail "not listed for uninstalling"

echo "-- the installed program on an X server"
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wineserver --kill 2>/dev/null || true' EXIT
export DISPLAY=:97
sleep 2
wine "$installed/zorimex.exe" >/dev/null 2>&1 &
for _ in $(seq 60); do
  xwininfo -root -tree 2>/dev/null | grep -q '"zorimex.exe"' && break
  sleep 1
done
xwininfo -root -tree | grep -q '"zorimex.exe"' || fail "no window of the installed program"
sleep 5 # the start-up window's pictures and the consent dialog
import -window root "$build/$name-installed.png"
echo "screenshot: $build/$name-installed.png"
[ "$(cat "$preference" 2>/dev/null | tr -d '\r')" = U ] || fail "the first start left no 'U' in $preference"
wineserver --kill
wineserver --wait || true
kill $xvfb 2>/dev/null || true
unset DISPLAY

echo "-- the uninstaller"
wine "$installed/uninstall.exe" /S
wineserver --wait
[ ! -e "$installed" ] || fail "$installed is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
if wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorimex' >/dev/null 2>&1; then
  fail "still listed for uninstalling"
fi
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/after.txt"
left=$(comm -13 "$work/before.txt" "$work/after.txt" | sed "s|^$local_data/||")
expected=$(printf '%s\n' Zorimex "Zorimex/Program Files" "Zorimex/Program Files/Zorimex 2002" \
  "Zorimex/Program Files/Zorimex 2002/or.txt")
[ "$left" = "$expected" ] || fail "left behind after uninstalling: $left"
echo "packages proved under Wine"
