# Sourced by the scripts that need an X server of their own. start_private_xvfb [Xvfb options...]
# starts Xvfb on a display it chooses itself, so scripts run side by side never pick the same
# one, and returns once the server accepts clients (it names the display only then), setting
# display (":N") and xvfb_pid; it fails, saying so, when the server ends or a minute passes first.
# The server never resets: by default X resets when its last client leaves and refuses
# connections meanwhile, which a script starting one program after another would meet.
start_private_xvfb() {
  local named
  named=$(mktemp)
  Xvfb -displayfd 3 -nolisten tcp -noreset "$@" 3>"$named" >/dev/null 2>&1 &
  xvfb_pid=$!
  local tenths=0
  # The number is written with its line end in one go; the line end says it is all there.
  until [ "$(wc -l <"$named")" -ge 1 ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tenths -ge 600 ]; then
      rm -f "$named"
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
    tenths=$((tenths + 1))
  done
  display=:$(head -n 1 "$named")
  rm -f "$named"
}
