#!/usr/bin/env bash
# Start-up benchmark: times the program's first window against a bare Qt Widgets window under a
# private Xvfb, for the preference values "N" (nothing else at start) and "Y" (main window loaded
# hidden, browser pane loading the latest-version page from a local HTTPS server), and prints a
# Markdown table of the figures. A benchmark, not a test: it never fails on a time.
#
# usage: bench/startup/run.sh [build-dir]      (default <root>/build, configured as Release)
#   RUNS=n      measured runs of each program (default 10, after one warm-up each)
#   SETTLE_MS=n how long after the window is mapped the memory is read (default 3000)
#   KEEP=1      keep the work folder (logs, raw results) instead of deleting it
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$root/build}")
runs=${RUNS:-10}
settle_ms=${SETTLE_MS:-3000}
python=/usr/bin/python3

say() { printf '%s\n' "$*" >&2; }

# --- build -----------------------------------------------------------------------------------
if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$build_type" = Release ] || say "warning: $build is a '$build_type' build, not Release"
say "building in $build ..."
cmake --build "$build" -j2 --target zorimex zorimex_webview startup_baseline startup_watcher \
    >/dev/null
program=$build/app/zorimex
baseline=$build/bench/startup/startup_baseline
watcher=$build/bench/startup/startup_watcher
for f in "$program" "$baseline" "$watcher" "$build/lib/zorimex/libzorimex_webview.so"; do
    [ -x "$f" ] || { say "missing after the build: $f"; exit 1; }
done

# --- a private X server, page server and home --------------------------------------------------
work=$(mktemp -d /tmp/zorimex-startup.XXXXXX)
xvfb_pid=""
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ "${KEEP:-0}" = 1 ]; then say "work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

source "$here/../../tests/support/private_xvfb.sh"
start_private_xvfb -screen 0 1280x1024x24 || exit 1

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=home.zrmx.example" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
"$python" "$here/../../tests/support/page_server.py" "$work/cert.pem" "$work/key.pem" "$work/loaded" \
    "$work/port" >"$work/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/port" ] && break
    sleep 0.05
done
port=$(cat "$work/port")

home=$work/home
preferences="$home/.local/share/Zorimex/Program Files/Zorimex 2002"
mkdir -p "$preferences" "$work/runtime"
chmod 700 "$work/runtime"

# Every run gets the same clean environment; the home (and so the fontconfig and web engine
# caches) persists across runs, as a user's does.
run_env=(
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share"
    XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$display" LANG=C.UTF-8
    QTWEBENGINE_DISABLE_SANDBOX=1
    "QTWEBENGINE_CHROMIUM_FLAGS=--host-resolver-rules=\"MAP * 127.0.0.1:$port\" --ignore-certificate-errors --no-sandbox --disable-gpu"
)

y_wait_ms=30000
# run_one <name> <run number>: one watched start, its result line appended to results.txt.
run_one() {
    local name=$1 run=$2 wait=() cmd=() line
    case $name in
    baseline) cmd=("$baseline") ;;
    N) printf 'N\r\n' >"$preferences/or.txt"; cmd=("$program") ;;
    Y)
        printf 'Y\r\n' >"$preferences/or.txt"
        cmd=("$program")
        rm -f "$work/loaded"
        [ "$y_wait_ms" -gt 0 ] && wait=(--wait-file "$work/loaded" --wait-ms "$y_wait_ms")
        ;;
    esac
    line=$("${run_env[@]}" "$watcher" --settle-ms "$settle_ms" "${wait[@]}" -- "${cmd[@]}" \
        2>>"$work/$name.log") || true
    [ -n "$line" ] || line="status=no-result"
    echo "program=$name run=$run $line" >>"$work/results.txt"
    say "  $name #$run: $line"
}

say "Xvfb $display, page server on 127.0.0.1:$port, $runs runs each after a warm-up"
say "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for name in baseline N Y; do run_one "$name" 0; done
if grep -q "program=Y run=0 .*loaded_ms=-" "$work/results.txt"; then
    say "the Y warm-up never loaded the page: later Y runs do not wait for it"
    y_wait_ms=0
fi
for run in $(seq "$runs"); do
    for name in baseline N Y; do run_one "$name" "$run"; done
done
say "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

cp "$work/results.txt" "$build/startup-results.txt"
say "raw results: $build/startup-results.txt"
"$python" "$here/summarise.py" "$work/results.txt"
