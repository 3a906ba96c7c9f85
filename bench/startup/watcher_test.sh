#!/usr/bin/env bash
# Checks the watcher end to end under a private Xvfb: it finds the started program's own window
# with its real geometry, times map before paint, measures memory, and leaves nothing running;
# a program that ends without a window, or cannot be started, is reported as such.
# usage: watcher_test.sh WATCHER BASELINE
set -euo pipefail
watcher=$1
baseline=$2
failures=0
check() { # check <description> <condition...>
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<" $2"; }

# A free display of Xvfb's own choosing, which it names once it accepts clients.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$displayfile")"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# A window mapped by some other client before and during the run must not be taken for the
# program's: a second baseline, started first, maps its own window.
"$baseline" &
other=$!
sleep 1
line=$("$watcher" --settle-ms 300 -- "$baseline" 2>/dev/null)
kill $other
echo "$line"
check "status ok" test "$(field status "$line")" = ok
check "the program's own window (pid matched, baseline size)" \
    test "$(field window "$line") $(field pid_matched "$line")" = "0,0,483x363 1"
mapped=$(field mapped_ms "$line")
painted=$(field painted_ms "$line")
check "mapped and painted are times, paint not before map" \
    awk -v m="$mapped" -v p="$painted" 'BEGIN { exit !(m > 0 && p >= m) }'
check "memory measured" awk -v r="$(field rss_kib "$line")" 'BEGIN { exit !(r > 1000) }'
check "one process, no browser" test "$(field processes "$line")/$(field browser_processes "$line")" = 1/0
check "no baseline left running" bash -c "! pgrep -f -x '$baseline' >/dev/null"

line=$("$watcher" --settle-ms 300 -- /bin/sh -c 'exit 3' 2>/dev/null || true)
check "a program ending without a window: $line" test "$line" = "status=exited-3"
line=$("$watcher" --settle-ms 300 -- /nonexistent/program 2>/dev/null || true)
check "a program that cannot start: $line" test "$line" = "status=exited-127"
line=$("$watcher" --settle-ms 300 --map-timeout-ms 500 -- /bin/sleep 5 2>/dev/null || true)
check "a program that shows no window in time: $line" test "$(field status "$line")" = no-window
check "the windowless program was ended" bash -c "! pgrep -x -f '/bin/sleep 5' >/dev/null"

[ "$failures" -eq 0 ]
