#!/bin/bash
# On a real X server, the windows whose titles are empty by design (the start-up window and the
# consent dialog of a first start) carry empty _NET_WM_NAME and WM_NAME. Skips (77) without Xvfb.
# Waits for the windows' map events (xev on the root window), never for a fixed time, so a slow
# machine only makes it slower.
set -u
program=$1
for tool in Xvfb xprop xwininfo xev stdbuf; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
home=$(mktemp -d)
app="" watcher=""
# A free display of Xvfb's own choosing, which it names once it accepts clients: no other run
# (of this suite or another on the machine) can take the same one between a check and the start.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
server=$!
cleanup() { kill $app $watcher "$server" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$home/display" ] && break; sleep 0.1; done
[ -s "$home/display" ] || { echo "Xvfb did not start"; exit 1; }
display=":$(tr -d '\n' <"$home/display")"

# Reads the watcher's events until one matches $1; false after $2 seconds.
await_event() {
  local deadline=$((SECONDS + $2)) line
  while [ $SECONDS -lt $deadline ]; do
    IFS= read -r -t $((deadline - SECONDS)) line <&3 || return 1
    [[ $line == $1 ]] && return 0
  done
  return 1
}
mkfifo "$home/events"
DISPLAY=$display stdbuf -oL xev -root -event substructure -event property >"$home/events" &
watcher=$!
exec 3<"$home/events"
# The watcher listens once it reports a property change of its own making.
for _ in $(seq 30); do
  DISPLAY=$display xprop -root -f ZORIMEX_READY 8s -set ZORIMEX_READY 1
  await_event "*ZORIMEX_READY*" 1 && break
done

# A first start: the preference file is installed with "U", so the consent dialog opens too.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" XDG_DATA_HOME="$home" \
  XDG_RUNTIME_DIR="$home" "$program" >/dev/null 2>&1 &
app=$!
for _ in 1 2; do
  await_event "MapNotify event*" 60 || { echo "the two windows were not mapped within 60 s"; exit 1; }
done
mapfile -t windows < <(DISPLAY=$display xwininfo -root -children | awk '/"zorimex"/ {print $1}')
[ "${#windows[@]}" -eq 2 ] || { echo "expected 2 windows, found ${#windows[@]}"; exit 1; }
status=0
for id in "${windows[@]}"; do
  names=$(DISPLAY=$display xprop -id "$id" _NET_WM_NAME WM_NAME)
  echo "$names" | tr '\n' ' '; echo
  echo "$names" | grep -q '= "' && status=1
done
exit $status
