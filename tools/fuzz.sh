#!/usr/bin/env bash
# Fuzzes ReadNumber/NumberText/RightChars and the actions with libFuzzer under ASan and UBSan.
# usage: tools/fuzz.sh [SECONDS]   (default 180). Findings are written to build-fuzz/findings/.
set -euo pipefail
seconds=${1:-180}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
# The core must be instrumented too, so the whole tree is built with clang and the sanitizers.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DZORIMEX_GUI=OFF -DZORIMEX_BENCH=OFF \
  -DZORIMEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build "$build" --target number_text_fuzzer -j2 >/dev/null
mkdir -p "$build/corpus" "$build/findings"
cp -n "$root"/tests/fuzz/corpus/* "$build/corpus/" 2>/dev/null || true
log=$build/fuzz.log
set +e
"$build/tests/fuzz/number_text_fuzzer" "$build/corpus" -max_total_time="$seconds" \
  -artifact_prefix="$build/findings/" -max_len=4096 -print_final_stats=1 >"$log" 2>&1
status=$?
set -e
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
echo "fuzzed for ${seconds}s: ${runs} inputs tried, exit status ${status}"
if [ "$status" -ne 0 ]; then
  tail -n 30 "$log"
  exit 1
fi
