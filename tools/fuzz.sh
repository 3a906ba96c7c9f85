#!/usr/bin/env bash
# Fuzzes with libFuzzer under ASan and UBSan: the text rules and the actions (number_text_fuzzer)
# and the JSON-lines script driver (script_driver_fuzzer), sharing the time between them.
# usage: tools/fuzz.sh [SECONDS]   (default 180). Findings are written to build-fuzz/findings/.
set -euo pipefail
seconds=${1:-180}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
targets=(number_text_fuzzer script_driver_fuzzer)
# The core must be instrumented too, so the whole tree is built with clang and the sanitizers.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DZORIMEX_GUI=OFF -DZORIMEX_BENCH=OFF \
  -DZORIMEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build "$build" --target "${targets[@]}" -j2 >/dev/null
mkdir -p "$build/findings"
# Seeds: typed amounts for the text rules, the recorded scripts for the driver.
mkdir -p "$build/corpus/number_text_fuzzer" "$build/corpus/script_driver_fuzzer"
cp -n "$root"/tests/fuzz/corpus/* "$build/corpus/number_text_fuzzer/" 2>/dev/null || true
for script in "$root"/tests/cli/vectors/*.jsonl; do
  case $script in *.expected.jsonl) ;; *) cp -n "$script" "$build/corpus/script_driver_fuzzer/" ;; esac
done
share=$(((seconds + ${#targets[@]} - 1) / ${#targets[@]}))
failed=0
for target in "${targets[@]}"; do
  log=$build/$target.log
  set +e
  "$build/tests/fuzz/$target" "$build/corpus/$target" -max_total_time="$share" \
    -artifact_prefix="$build/findings/$target-" -max_len=4096 -print_final_stats=1 >"$log" 2>&1
  status=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  echo "$target: fuzzed for ${share}s: ${runs} inputs tried, exit status ${status}"
  if [ "$status" -ne 0 ]; then
    tail -n 30 "$log"
    failed=1
  fi
done
exit $failed
