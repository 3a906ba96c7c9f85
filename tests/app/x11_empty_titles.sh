#!/bin/bash
# On a real X server, the windows whose titles are empty by design (the start-up window and the
# consent dialog of a first start) carry empty _NET_WM_NAME and WM_NAME. Skips (77) without Xvfb.
set -u
program=$1
command -v Xvfb >/dev/null && command -v xprop >/dev/null && command -v xwininfo >/dev/null ||
  { echo "Xvfb, xprop or xwininfo missing"; exit 77; }
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
display=:$number
home=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
cleanup() { kill "$app" "$server" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
# A first start: the preference file is installed with "U", so the consent dialog opens too.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" XDG_DATA_HOME="$home" \
  XDG_RUNTIME_DIR="$home" "$program" >/dev/null 2>&1 &
app=$!
windows=()
for _ in $(seq 50); do
  mapfile -t windows < <(DISPLAY=$display xwininfo -root -children | awk '/"zorimex"/ {print $1}')
  [ "${#windows[@]}" -ge 2 ] && break
  sleep 0.1
done
[ "${#windows[@]}" -eq 2 ] || { echo "expected 2 windows, found ${#windows[@]}"; exit 1; }
status=0
for id in "${windows[@]}"; do
  names=$(DISPLAY=$display xprop -id "$id" _NET_WM_NAME WM_NAME)
  echo "$names" | tr '\n' ' '; echo
  echo "$names" | grep -q '= "' && status=1
done
exit $status
