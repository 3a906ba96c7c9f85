#!/usr/bin/env bash
# Measures the test suite by seeding faults into the program: picks mutants (one small change to
# one line of product code each), builds each, runs the suite, and counts those the suite kills.
# usage: tools/mutation-test.sh [--seed S] [--count N] [BUILD_DIR]   (defaults: a seed from the
# clock, 20 mutants, build-mutation). The same seed on the same sources picks the same mutants.
#
# Mutants are drawn in turn from core, cli, app/preferences, app, ui and failure, never from the
# tests nor from code built for Windows only. A mutant is killed by the first failing test: the
# fast unit tests run first and ctest stops at the first failure. Mutants that do not compile
# are not counted. The mutated file is put back byte for byte whatever happens (a trap).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seed=$(date +%s)
count=20
build=
while (($#)); do
  case $1 in
  --seed) seed=$2 && shift 2 ;;
  --count) count=$2 && shift 2 ;;
  -h | --help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' && exit 0 ;;
  -*) echo "unknown option $1" >&2 && exit 2 ;;
  *) build=$1 && shift ;;
  esac
done
build=$(realpath -m "${build:-$root/build-mutation}")
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$root
fi

work=$(mktemp -d)
mutated=
restore() { # the same bytes, with a new time, so that the build takes the file up again
  if [[ -n $mutated ]]; then
    cp "$work/original" "$root/$mutated"
    mutated=
  fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'echo "interrupted: $root is as it was" >&2; exit 130' INT TERM

# The unit tests of core/ and cli/ build and run in seconds; the rest of the suite (the windows,
# the program, durability, the monkey) is built and run only for mutants they do not kill.
unit='^(core|cli)\.'
unit_targets=(core_tests cli_tests zorimex-cli)
tests() { # ctest arguments...; fails at the first failing test, or when the time is up
  # Without the costs of earlier runs ctest takes the tests in the order the suite defines them,
  # the quick ones first, rather than the longest first.
  rm -f "$build/Testing/Temporary/CTestCostData.txt"
  timeout -k 10 "$limit" ctest --test-dir "$build" -j2 --stop-on-failure "$@" >>"$work/log" 2>&1
}

cmake -S "$root" -B "$build" -G Ninja >/dev/null
echo "building the unmutated program in $build"
cmake --build "$build" -j2 >"$work/log" 2>&1 || { cat "$work/log" && exit 1; }
started=$(date +%s)
limit=1800
if ! tests -R "$unit" || ! tests -E "$unit"; then
  tail -30 "$work/log"
  echo "the suite fails without any mutant: fix that first" >&2 && exit 1
fi
suite_seconds=$(($(date +%s) - started))
# A mutant that hangs the suite is killed by a time limit well above the suite's own time.
limit=$((suite_seconds * 4 + 120))

# Candidate changes, as lines "file<TAB>line<TAB>column<TAB>old<TAB>new", picked by the seed.
python3 - "$root" "$seed" "$count" >"$work/mutants" <<'EOF'
import random, re, subprocess, sys
root, seed, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
strata = ["core", "cli", "app/preferences", "app", "ui", "failure"]
files = subprocess.run(["git", "-C", root, "ls-files", "--", *strata], check=True,
                       capture_output=True, text=True).stdout.split()
operators = [
    (r"==", "!="), (r"!=", "=="), (r"<=", "<"), (r">=", ">"), (r"(?<=\s)<(?=\s)", "<="),
    (r"(?<=\s)>(?=\s)", ">="), (r"&&", "||"), (r"\|\|", "&&"), (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"), (r"(?<=\s)\+(?=\s)", "-"), (r"(?<=\s)-(?=\s)", "+"),
    (r"!(?=[\w(])", ""), (r"\+\+", "--"), (r"(?<![\w.'])\d+(?![\w.'])", None),
]
def masked(line):
    """The line with string and character literals and comments blanked out."""
    line = re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + " " * (len(m.group()) - 2) + '"', line)
    line = re.sub(r"'(\\.|[^'\\])'", lambda m: " " * len(m.group()), line)
    cut = line.find("//")
    return line if cut < 0 else line[:cut]
def windows_only(name):
    return re.search(r"windows|win32", name, re.I) is not None
sites = {s: [] for s in strata}
for name in files:
    if not name.endswith((".cpp", ".h")) or windows_only(name) or "/tests/" in name:
        continue
    stratum = next(s for s in strata if name.startswith(s + "/"))
    branches, in_comment = [], False  # per open #if: "windows", "not windows" or None
    for number, text in enumerate(open(f"{root}/{name}", encoding="utf-8"), 1):
        stripped = text.strip()
        if stripped.startswith("#"):
            directive = stripped[1:].strip()
            windows = "Q_OS_WIN" in directive or "_WIN32" in directive
            negated = directive.startswith("ifndef") or "!" in directive
            if directive.startswith("if"):
                branches.append(("not windows" if negated else "windows") if windows else None)
            elif directive.startswith("el") and branches and branches[-1]:
                branches[-1] = "windows" if branches[-1] == "not windows" else "not windows"
            elif directive.startswith("endif") and branches:
                branches.pop()
            continue
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if "windows" in branches or stripped.startswith(("//", "static_assert", "Q_")):
            continue
        code = masked(text.rstrip("\n"))
        for pattern, replacement in operators:
            for match in re.finditer(pattern, code):
                old = match.group()
                new = replacement
                if new is None:
                    new = "1" if old == "0" else ("0" if old == "1" else str(int(old) + 1))
                sites[stratum].append((name, number, match.start(), old, new))
rng = random.Random(seed)
for stratum in strata:
    rng.shuffle(sites[stratum])
chosen, turn = [], 0
while len(chosen) < count and any(sites.values()):
    stratum = strata[turn % len(strata)]
    turn += 1
    if sites[stratum]:
        chosen.append(sites[stratum].pop())
for name, number, column, old, new in chosen:
    print(f"{name}\t{number}\t{column}\t{old}\t{new}")
EOF

echo "seed $seed: $(wc -l <"$work/mutants") mutants; the suite takes $suite_seconds s unmutated"
killed=0 counted=0 index=0
survivors=()
# The mutants come on their own descriptor: nothing the builds and tests run may read them.
while IFS=$'\t' read -r -u 3 file line column old new; do
  index=$((index + 1))
  cp "$root/$file" "$work/original"
  mutated=$file
  python3 - "$root/$file" "$line" "$column" "$old" "$new" <<'EOF'
import sys
path, line, column, old, new = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), *sys.argv[4:]
lines = open(path, encoding="utf-8").read().split("\n")
text = lines[line - 1]
assert text[column:column + len(old)] == old, (path, line, text)
lines[line - 1] = text[:column] + new + text[column + len(old):]
open(path, "w", encoding="utf-8").write("\n".join(lines))
EOF
  before=$(sed -n "${line}p" "$work/original" | sed 's/^[[:space:]]*//')
  after=$(sed -n "${line}p" "$root/$file" | sed 's/^[[:space:]]*//')
  diff="$file:$line: - $before + $after"
  start=$(date +%s)
  : >"$work/log"
  if ! cmake --build "$build" -j2 --target "${unit_targets[@]}" >>"$work/log" 2>&1; then
    verdict="does not compile"
  elif ! tests -R "$unit"; then
    verdict=killed
  elif ! cmake --build "$build" -j2 >>"$work/log" 2>&1; then
    verdict="does not compile"
  elif ! tests -E "$unit"; then
    verdict=killed
  else
    verdict=SURVIVED && counted=$((counted + 1)) && survivors+=("$diff")
  fi
  if [[ $verdict == killed ]]; then
    counted=$((counted + 1)) && killed=$((killed + 1))
    # No list of failed tests when the time limit ended the run.
    failed=$(grep -A1 'The following tests FAILED' "$work/log" | tail -n +2 | head -1 |
      sed 's/^[[:space:]]*[0-9]* - //' || true)
    verdict="killed by ${failed:-the time limit}"
  fi
  cp "$work/log" "$build/mutant-$index.log" # what the build and the tests said, to look into
  restore
  echo "[$index] $verdict ($(($(date +%s) - start)) s): $diff"
done 3<"$work/mutants"

# Leave the build folder matching the sources again.
cmake --build "$build" -j2 >/dev/null 2>&1 || true
echo
for diff in "${survivors[@]}"; do echo "survived: $diff"; done
if ((counted == 0)); then
  echo "mutation score: 0 of 0 killed" && exit 0
fi
echo "mutation score: $killed of $counted killed ($((killed * 100 / counted)) %)"
