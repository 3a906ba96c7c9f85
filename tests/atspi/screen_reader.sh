#!/bin/bash
# The program read from outside through AT-SPI (screen_reader.py), in an X server (Xvfb), a
# session bus and the accessibility bus of its own, with a stand-in xdg-open first in PATH that
# logs the pages handed to it. Skips (77) only where no session bus can be started.
set -u
program=$1 forms=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v $tool >/dev/null || { echo "$tool missing: run tools/install-deps.sh"; exit 1; }
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
  { echo "python3-gi or gir1.2-atspi-2.0 missing: run tools/install-deps.sh"; exit 1; }
dbus-run-session -- true 2>/dev/null || { echo "SKIP: no D-Bus session bus can be started"; exit 77; }

home=$(mktemp -d)
server=""
cleanup() { [ -n "$server" ] && kill "$server" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT
# A free display of Xvfb's own choosing, which it names once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
server=$!
for _ in $(seq 300); do [ -s "$home/display" ] && break; sleep 0.1; done
[ -s "$home/display" ] || { echo "Xvfb did not start"; exit 1; }
number=$(tr -d '\n' <"$home/display")

mkdir -p "$home/bin" "$home/run" && chmod 700 "$home/run"
cat >"$home/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$1" >> "$home/opened"
OPENER
chmod +x "$home/bin/xdg-open"
# The session bus starts the accessibility bus on the reader's first request, before the
# program starts, as a desktop session does; both inherit this environment.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
  DISPLAY=":$number" HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  XDG_RUNTIME_DIR="$home/run" PATH="$home/bin:$PATH" \
  dbus-run-session -- /usr/bin/python3 "$here/screen_reader.py" "$program" "$forms" \
  "$home/opened" 2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' \
    -e 'Successfully activated' -e 'SpiRegistry daemon' -e 'X connection to' >&2)
