#!/usr/bin/env bash
# The README's promise to a newcomer, kept: on a minimal Debian 12 made with debootstrap, a fresh
# clone of the commit under test runs the README's two commands exactly as the README gives them,
# then the Debian package built there is installed into another fresh copy with nothing but its
# own dependencies, and both of its programs are run.
#
# Run as root from a clone. The minimal system is made once and kept under $ZORIMEX_FRESH_CACHE
# (default /var/cache/zorimex-fresh-machine); every run works on a fresh copy of it.
set -euo pipefail

repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
cache=${ZORIMEX_FRESH_CACHE:-/var/cache/zorimex-fresh-machine}
suite=bookworm
clean_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

say() { printf '== %s\n' "$*"; }
fail() {
  printf 'fresh-machine check FAILED: %s\n' "$*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "must run as root (debootstrap, chroot and mounts)"

stage_start=0
stage() {
  stage_start=$(date +%s)
  say "$*"
}
stage_done() { printf '   took %d s\n' $(($(date +%s) - stage_start)); }

# --- the two commands, taken from the README so that the check and the README never drift apart.
# They are the first two ```sh blocks under the heading "Set up on a fresh Debian 12 machine".
readme_setup_commands() {
  awk '
    /^## / { in_section = ($0 ~ /^## Set up on a fresh Debian 12 machine/) }
    in_section && /^```sh$/ { in_block = 1; next }
    in_block && /^```$/ { in_block = 0; next }
    in_block { print }
  ' "$repo/README.md"
}
mapfile -t commands < <(readme_setup_commands)
[ ${#commands[@]} -eq 2 ] ||
  fail "expected two one-line commands under 'Set up on a fresh Debian 12 machine' in README.md, found ${#commands[@]}"
run_command=${commands[0]}
test_command=${commands[1]}

# --- the mirror: the first one this machine's own apt sources name for the suite.
debian_mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk -v suite="$suite" '$1 == "deb" && $0 ~ (" " suite " ") {
      for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' "$f"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    # deb822 stanzas are separated by blank lines; take URIs of a stanza whose Suites name the suite.
    awk -v suite="$suite" '
      BEGIN { RS = ""; FS = "\n" }
      {
        uris = ""; has_suite = 0; is_deb = 0
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/ && (" " $i " ") ~ / deb /) is_deb = 1
          if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[ \t]*/, "", uris) }
          if ($i ~ /^Suites:/ && (" " $i " ") ~ (" " suite " ")) has_suite = 1
        }
        if (is_deb && has_suite && uris != "") { split(uris, u, " "); print u[1]; exit }
      }' "$f"
  done
}
mirror=$(debian_mirror | head -n 1)
[ -n "$mirror" ] || fail "no apt source for $suite on this machine to take the mirror from"

# --- tools this check needs on the machine that runs it (not on the fresh one).
need=()
for tool in debootstrap:debootstrap xvfb-run:xvfb xwininfo:x11-utils xauth:xauth git:git; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# --- the minimal system, made once.
base="$cache/$suite-minbase"
archives="$cache/apt-archives"
mkdir -p "$cache" "$archives/partial"
if [ ! -f "$base/.complete" ]; then
  stage "debootstrap --variant=minbase $suite from $mirror"
  rm -rf "$base"
  debootstrap --variant=minbase "$suite" "$base" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    { tail -n 20 "$cache/debootstrap.log" >&2; fail "debootstrap failed (log: $cache/debootstrap.log)"; }
  touch "$base/.complete"
  stage_done
else
  say "minimal $suite system cached in $base"
fi

# --- one fresh copy per use, with this machine's apt sources and name servers, and its mounts
# undone on every way out.
work=$(mktemp -d /var/tmp/zorimex-fresh.XXXXXX)
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[$i]}" 2>/dev/null || umount -lR "${mounted[$i]}" 2>/dev/null || true
  done
  # Never delete through a mount that failed to come off.
  if ! grep -q " $work/" /proc/mounts; then rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fresh_copy() {
  local root=$1
  cp -a "$base" "$root"
  rm -f "$root/.complete" "$root/etc/apt/sources.list"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && cp "$f" "$root$f"
  done
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys" && mounted+=("$root/sys")
  mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" && mounted+=("$root/dev")
  # Downloaded packages are kept between runs; what gets installed is still decided by apt alone.
  mount --bind "$archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
}

# A command as a newcomer types it: a login-less root shell with a clean environment.
in_chroot() {
  local root=$1 dir=$2 cmd=$3
  shift 3
  chroot "$root" /usr/bin/env -i PATH="$clean_path" HOME=/root LANG=C.UTF-8 "$@" \
    /bin/bash -c "cd $dir && $cmd"
}

total_start=$(date +%s)

# --- 1. the README's two commands on the fresh machine.
builder="$work/builder"
stage "fresh copy and clone of $commit"
fresh_copy "$builder"
git clone -q --no-local "$repo" "$builder/root/zorimex"
git -C "$builder/root/zorimex" checkout -q --detach "$commit"
stage_done

stage "README, run: $run_command"
set +e
in_chroot "$builder" /root/zorimex "$run_command" >"$work/run.log" 2>&1
status=$?
set -e
last_line=$(tail -n 1 "$work/run.log")
stage_done
if [[ "$last_line" != "zorimex: no display to open"* ]]; then
  tail -n 30 "$work/run.log" >&2
  fail "the README's run command (exit $status) did not end with the program's no-display message"
fi
printf '   ended with: %s\n' "$last_line"

stage "README, test: $test_command"
set +e
in_chroot "$builder" /root/zorimex "$test_command" >"$work/test.log" 2>&1
status=$?
set -e
stage_done
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$work/test.log" | tail -n 1 || true)
if [ $status -ne 0 ] || [[ "$summary" != "100% tests passed, 0 tests failed out of "* ]]; then
  grep -E 'Failed|\*\*\*|Error' "$work/test.log" | tail -n 40 >&2 || true
  tail -n 30 "$work/test.log" >&2
  fail "the README's test command (exit $status): ${summary:-no test summary}"
fi
printf '   %s\n' "$summary"

stage "package: cmake --build build --target package"
in_chroot "$builder" /root/zorimex "cmake --build build --target package" >"$work/package.log" 2>&1 ||
  { tail -n 30 "$work/package.log" >&2; fail "building the package failed"; }
debs=("$builder"/root/zorimex/build/zorimex_*.deb)
[ -f "${debs[0]}" ] || fail "no zorimex_*.deb in build/"
stage_done

# --- 2. the package alone, on another fresh copy: only its declared dependencies come with it.
user="$work/user"
stage "apt-get install ./$(basename "${debs[0]}") on a fresh copy (no build dependencies, no recommends)"
fresh_copy "$user"
cp "${debs[0]}" "$user/root/"
in_chroot "$user" /root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ./$(basename "${debs[0]}")" \
  >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log" >&2; fail "installing the package failed"; }
stage_done

stage "installed zorimex-cli"
cli_out=$(in_chroot "$user" / "/usr/bin/zorimex-cli convert 1234.56 --currency 14" 2>&1) ||
  fail "zorimex-cli convert exited non-zero: $cli_out"
printf '%s\n' "$cli_out" | sed 's/^/   /'
grep -q '13万5千802' <<<"$cli_out" && grep -q '135801.6円' <<<"$cli_out" ||
  fail "zorimex-cli convert 1234.56 --currency 14 did not print 13万5千802 and 135801.6円"
stage_done

stage "installed zorimex under xvfb-run"
# The X server runs here; the program runs on the fresh copy and reaches it through the socket.
mkdir -p "$user/tmp/.X11-unix" /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
mount --bind /tmp/.X11-unix "$user/tmp/.X11-unix" && mounted+=("$user/tmp/.X11-unix")
pref="$user/root/.local/share/Zorimex/Program Files/Zorimex 2002/or.txt"
export user clean_path
set +e
xvfb-run -a -f "$user/tmp/Xauthority" -s "-screen 0 1280x1024x24" bash -c '
  chroot "$user" /usr/bin/env -i PATH="$clean_path" HOME=/root LANG=C.UTF-8 \
    DISPLAY="$DISPLAY" XAUTHORITY=/tmp/Xauthority /usr/bin/zorimex >"$user/tmp/zorimex.log" 2>&1 &
  program=$!
  for _ in $(seq 1 300); do
    for id in $(xwininfo -root -children 2>/dev/null | awk "/\\(\"zorimex\"/ { print \$1 }"); do
      if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
        echo "   mapped window: $(xwininfo -id "$id" | grep -E "xwininfo:|Width|Height" | tr -s " " | tr "\n" " ")"
        kill "$program"; wait "$program"
        exit 0
      fi
    done
    kill -0 "$program" 2>/dev/null || { echo "   zorimex exited before mapping a window" >&2; exit 1; }
    sleep 0.1
  done
  echo "   no zorimex window mapped within 30 s" >&2
  kill "$program"
  exit 1'
status=$?
set -e
stage_done
[ $status -eq 0 ] || { cat "$user/tmp/zorimex.log" >&2; fail "the installed program did not map its start-up window"; }
[ -f "$pref" ] || fail "the installed program wrote no preference file at ${pref#"$user"}"
first_line=$(head -n 1 "$pref" | tr -d '\r')
[ "$first_line" = U ] || fail "the preference file's first line is '$first_line', not U"
printf '   preference file %s: %s\n' "${pref#"$user"}" "$first_line"

printf 'fresh-machine check passed in %d s\n' $(($(date +%s) - total_start))
