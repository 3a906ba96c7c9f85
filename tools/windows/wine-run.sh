#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine the way the tests and the scripts need it:
# CMake's CMAKE_CROSSCOMPILING_EMULATOR, so every test runs through here.
#
# - Wine hands no QT_* variable to a Windows program; a WINEQT_* one arrives as QT_*. So every
#   QT_* variable is passed on under its WINE name.
# - The offscreen platform finds no fonts of its own on Windows: QT_QPA_FONTDIR points it at the
#   same Japanese faces the Linux tests use.
# - QtTest's output into a pipe is lost under Wine, so a QtTest program writes it to a file, which
#   is then copied to standard output.
# - The Qt and mingw runtime DLLs are found through WINEPATH.
#
# ZORIMEX_QT_WINDOWS (the Qt prefix) and WINEPREFIX come from build.sh or the test's environment
# (set by CMake).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Without its preloader, Wine reserves the addresses Windows fixes only after the C library has
# started, and by then the heap, which the kernel puts anywhere in the gigabyte above the loader,
# can cover the page every Windows process shares at 0x7ffe0000: about one start in eight thousand
# then ends before the program ran, and CreateProcess says only ERROR_INTERNAL_ERROR (with
# WINEDEBUG=err+virtual: "failed to map the shared user data"). Wine 8.0's preloader has a rarer
# fault of its own, which is for Wine to mend: a start whose stack the kernel puts within the
# last 60 KiB of the address space has that stack reserved from under it and dies of SIGSEGV (the
# kernel logs "wine64-preloade[...]: segfault"), about one start in several hundred thousand.
if [ ! -x /usr/lib/wine/wine64-preloader ]; then
  echo "wine-run.sh: /usr/lib/wine/wine64-preloader is missing: run tools/windows/install-deps.sh" >&2
  exit 1
fi
program=$1
shift

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
runtime=$("$here/mingw-runtime-dirs.sh")
export WINEPATH="${ZORIMEX_QT_WINDOWS:+$ZORIMEX_QT_WINDOWS/bin;}$runtime${WINEPATH:+;$WINEPATH}"
if [ -z "${QT_QPA_FONTDIR:-}" ] && [ -n "${ZORIMEX_WINDOWS_FONTS:-}" ]; then
  export QT_QPA_FONTDIR="$ZORIMEX_WINDOWS_FONTS"
fi
while IFS='=' read -r name _; do
  [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)

# One Wine server and one Wine session for every program run with the prefix. Debian's wineserver
# ends as soon as its last program has exited, and the next program starts a new one: the
# session's services (wineboot, services.exe and the rest) then come from that program, hold its
# output open, so that ctest waits for them, and share its process group and terminal. So the
# server is made to outlive its programs (ten minutes), and a new server's session starts here,
# apart from any program's output; the lock keeps a program started beside it waiting until that
# is done. Neither the server nor the session holds the lock.
(
  flock 9
  if wineserver --persistent=600 </dev/null >/dev/null 2>&1 9>&-; then
    setsid -w wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"${WINEPREFIX:-$HOME/.wine}/.zorimex-session.lock"

# Read whole: grep -q would stop objdump early, and pipefail would count that as no match.
imports=$(x86_64-w64-mingw32-objdump -p "$program" 2>/dev/null || true)
if [[ $imports == *"DLL Name: Qt6Test.dll"* ]]; then
  log=$(mktemp --suffix=.txt)
  output=$(mktemp)
  status=0
  # The program's own output goes to a file as well: explorer.exe, which Wine starts for the
  # desktop of the first window program and which stays while any other program uses it,
  # inherits it and would hold ctest's pipe open long after this program.
  wine "$program" "$@" -o "$log,txt" >"$output" 2>&1 || status=$?
  cat "$output" "$log"
  rm -f "$log" "$output"
  # A program that ended before its last line says nothing of why: its status does.
  [ "$status" -eq 0 ] || printf 'exit status %d (0x%x)\n' "$status" "$status"
  exit $status
fi
exec wine "$program" "$@"
