#!/bin/bash
# Runs tst_wayland_desktop inside a headless Weston with Xwayland, as on Debian's default
# Wayland session. Skips (77) only when the compositor cannot start here.
set -u
test_program=$1
command -v weston >/dev/null || { echo "weston not installed"; exit 77; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
log="$runtime/weston.log"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --xwayland --socket=wayland-zx \
  --idle-time=0 >"$log" 2>&1 &
weston_pid=$!
cleanup() { kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"; }
trap cleanup EXIT
display=""
for _ in $(seq 50); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | tail -1)
  [ -n "$display" ] && [ -S "$runtime/wayland-zx" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$display" ]; then
  echo "the compositor did not start:"; cat "$log"; exit 77
fi
# Under the sanitizers: libdbus keeps a buffer from Qt's failed look for a session bus.
printf 'leak:libdbus-1.so\n' >"$runtime/lsan.supp"
export LSAN_OPTIONS="suppressions=$runtime/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-zx \
  DISPLAY="$display" \
  "$test_program"
