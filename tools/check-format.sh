#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format (the root .clang-format) makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "formatting: ${#files[@]} files as clang-format makes them"
