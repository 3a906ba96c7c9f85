#!/usr/bin/env bash
# The folders holding the mingw-w64 runtime DLLs a cross-built program needs (libstdc++,
# libgcc_s_seh, libwinpthread), as one Windows search path with ';' between the folders.
set -euo pipefail
dirs=()
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  file=$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")
  [ -f "$file" ] || { echo "mingw runtime $dll not found" >&2; exit 1; }
  dirs+=("$(dirname "$(readlink -f "$file")")")
done
printf '%s\n' "${dirs[@]}" | sort -u | paste -sd ';'
