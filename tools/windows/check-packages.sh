#!/usr/bin/env bash
# Proves the Windows packages under Wine, as a user would use them:
# - the zip, unpacked: zorimex-cli.exe converts with nothing but the zip's own DLLs; the zip
#   carries the program's licence (LICENSE.txt, Windows line ends), the third-party licences and
#   Qt's Japanese texts where Qt looks for them;
# - the installer, run silently (/S) without administrator rights, once for a user whose Windows
#   speaks Japanese and once for one whose Windows speaks English: the program lands in the user's
#   programs folder with a Start-menu entry and an uninstaller, is listed under Apps & features
#   with its name in that language, its version, size and publisher, and the installer records
#   the language it spoke (1041, 1033). Started once on an X server (Xvfb), the installed program
#   shows its start-up window (a screenshot is kept) and creates the preference file with "U";
#   each silent uninstall leaves nothing of it but that preference file.
#
#   tools/windows/check-packages.sh <zorimex build folder>
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="zorimex-$version-win64"
work="$build/package-check"
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
start=$(date +%s)
fail() {
  echo "package check failed: $*" >&2
  exit 1
}
elapsed() { echo "($(($(date +%s) - start)) s)"; }

# Wine takes Windows' UI language from the Unix locale, which must exist: the Japanese one is made
# here, outside the system's own locales.
locales="$work/locales"
mkdir -p "$locales"
localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8"
# Runs a command as a user whose Windows speaks the language of the Unix locale $1.
as_user() {
  local locale=$1
  shift
  LC_ALL="" LC_MESSAGES="" LANGUAGE="" LANG="$locale" LOCPATH="$locales" "$@"
}

wineboot --init >/dev/null 2>&1
wineserver --wait
user_home=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
local_data="$user_home/AppData/Local"
installed="$local_data/Programs/Zorimex"
start_menu="$user_home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
preference="$local_data/Zorimex/Program Files/Zorimex 2002/or.txt"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorimex'
echo "Wine prepared $(elapsed)"

# The licence as shipped: the repository's, with a byte-order mark and Windows line ends.
check_licence() {
  local file=$1
  [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$file has no byte-order mark"
  [ "$(tail -c +4 "$file" | grep -c $'\r$')" = "$(wc -l <"$repo/LICENSE")" ] ||
    fail "$file lacks Windows line ends"
  tail -c +4 "$file" | tr -d '\r' | cmp -s - "$repo/LICENSE" || fail "$file is not the licence"
}

echo "-- the zip"
(cd "$work" && unzip -q "$build/$name.zip")
out=$(wine "$work/$name/zorimex-cli.exe" convert 1234.56 --currency 14 | tr -d '\r')
[[ $out == *"13万5千802"* && $out == *"135801.6円"* ]] || fail "zorimex-cli.exe from the zip printed '$out'"
for file in zorimex.exe platforms/qwindows.dll imageformats/qjpeg.dll imageformats/qgif.dll \
  translations/qtbase_ja.qm LICENSE.txt licenses/qt6-base.txt licenses/qt6-translations.txt; do
  [ -f "$work/$name/$file" ] || fail "the zip lacks $file"
done
check_licence "$work/$name/LICENSE.txt"

# The version record Windows shows in the file's properties (its strings are UTF-16 in the file).
python3 - "$work/$name/zorimex.exe" <<'PYTHON' || fail "zorimex.exe lacks its version record"
import sys
data = open(sys.argv[1], "rb").read()
for text in ("041104B0", "Zorimex Ver2.3のバージョンアップです。", "Zorimex5.exe", "6.00"):
    if text.encode("utf-16-le") not in data:
        sys.exit(f"no {text!r}")
PYTHON
echo "zip proved $(elapsed)"

# The uninstall record as name=value lines, values as a .reg file writes them ("text", dword:hex).
uninstall_record() {
  local file="$work/record.reg"
  rm -f "$file"
  wine reg export "$uninstall_key" "$(winepath -w "$file")" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^"\([^"]*\)"=\(.*\)$/\1=\2/p'
}

find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/before.txt"

# Installs silently as a user of the Unix locale $1 and checks what Windows then shows: the
# Start-menu entry and Apps & features' record, named $2, and the language record $3.
install_as() {
  local locale=$1 display_name=$2 language=$3
  as_user "$locale" wine "$build/$name-setup.exe" /S
  wineserver --wait
  [ -f "$installed/zorimex.exe" ] || fail "nothing installed in $installed"
  [ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
  [ -f "$installed/translations/qtbase_ja.qm" ] || fail "no Qt translations installed"
  check_licence "$installed/LICENSE.txt"
  local entries
  entries=$(cd "$start_menu" && find . -maxdepth 1 -name '*.lnk' -printf '%f\n')
  [ "$entries" = "$display_name.lnk" ] || fail "Start-menu entries for $locale: '$entries'"

  local record
  record=$(uninstall_record)
  value() { sed -n "s/^$1=//p" <<<"$record"; }
  [ -n "$record" ] || fail "not listed for uninstalling"
  [ "$(value DisplayName)" = "\"$display_name\"" ] || fail "DisplayName for $locale: $(value DisplayName)"
  [ "$(value "Installer Language")" = "\"$language\"" ] ||
    fail "installer language for $locale: $(value "Installer Language")"
  [ "$(value DisplayVersion)" = "\"$version\"" ] || fail "DisplayVersion: $(value DisplayVersion)"
  [ "$(value Publisher)" = '"ZRMX工房"' ] || fail "Publisher: $(value Publisher)"
  [[ $(value UninstallString) == *uninstall.exe* ]] || fail "UninstallString: $(value UninstallString)"
  # EstimatedSize is in KiB: the installed files' size, give or take a tenth.
  local estimated actual
  estimated=$(value EstimatedSize)
  [[ $estimated == dword:* ]] || fail "EstimatedSize: '$estimated'"
  estimated=$((16#${estimated#dword:}))
  actual=$(du -sk --apparent-size "$installed" | cut -f1)
  ((estimated * 10 >= actual * 9 && estimated * 10 <= actual * 11)) ||
    fail "EstimatedSize $estimated KiB for $actual KiB installed"
  # Everything the installer and reg started has ended with its Wine session: a program started
  # later on the X server must begin a session (and a desktop) of its own, not join one begun
  # without a display.
  wineserver --wait
  echo "installed for $locale: '$display_name', language $language, $estimated KiB $(elapsed)"
}

uninstall_and_check() {
  wine "$installed/uninstall.exe" /S
  wineserver --wait
  [ ! -e "$installed" ] || fail "$installed is still there"
  local entries
  entries=$(cd "$start_menu" && find . -maxdepth 1 -name '*.lnk' -printf '%f\n')
  [ -z "$entries" ] || fail "Start-menu entries left: $entries"
  [ -z "$(uninstall_record)" ] || fail "still listed for uninstalling"
  find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/after.txt"
  local left expected
  left=$(comm -13 "$work/before.txt" "$work/after.txt" | sed "s|^$local_data/||")
  expected=$(printf '%s\n' Zorimex "Zorimex/Program Files" "Zorimex/Program Files/Zorimex 2002" \
    "Zorimex/Program Files/Zorimex 2002/or.txt")
  [ "$left" = "$expected" ] || fail "left behind after uninstalling: $left"
  echo "uninstalled $(elapsed)"
}

echo "-- the installer, for a Japanese user"
install_as ja_JP.UTF-8 "Zorimex 円換算" 1041

echo "-- the installed program on an X server"
# An X server of the check's own, as the tests start theirs.
source "$repo/tests/support/private_xvfb.sh"
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null || true; wineserver --kill 2>/dev/null || true' EXIT
start_private_xvfb -screen 0 1024x768x24 || fail "Xvfb did not start"
export DISPLAY=$display
as_user ja_JP.UTF-8 wine "$installed/zorimex.exe" >/dev/null 2>&1 &
for _ in $(seq 60); do
  [ "$({ tr -d '\r' <"$preference"; } 2>/dev/null)" = U ] &&
    xwininfo -root -tree 2>/dev/null | grep -q '"zorimex.exe"' && break
  sleep 1
done
xwininfo -root -tree | grep -q '"zorimex.exe"' || fail "no window of the installed program"
[ "$({ tr -d '\r' <"$preference"; } 2>/dev/null)" = U ] || fail "the first start left no 'U' in $preference"
sleep 3 # the start-up window's pictures, for the screenshot only
import -window root "$build/$name-installed.png"
echo "screenshot: $build/$name-installed.png $(elapsed)"
wineserver --kill
wineserver --wait || true
kill $xvfb_pid 2>/dev/null || true
unset DISPLAY

echo "-- the uninstaller"
uninstall_and_check

echo "-- the installer, for an English-speaking user"
install_as C.UTF-8 Zorimex 1033
echo "-- the uninstaller"
uninstall_and_check
echo "packages proved under Wine $(elapsed)"
