#!/usr/bin/python3
"""Turns the start-up benchmark's raw result lines into a Markdown table and a target check.

usage: summarise.py RESULTS
Each line: program=<baseline|N|Y> run=<n> key=value ...; run 0 is the warm-up and is left out.
"""

import statistics
import sys

PROGRAMS = [("baseline", "bare Qt window"), ("N", 'zorimex, or.txt "N"'),
            ("Y", 'zorimex, or.txt "Y"')]
# Time to the start-up window mapped, as a multiple of the baseline's, and memory likewise.
TARGETS = {"N": {"mapped_ms": 1.2, "rss_kib": 1.3}, "Y": {"mapped_ms": 1.3}}


def read(path):
    runs = {}
    with open(path) as f:
        for line in f:
            fields = dict(item.split("=", 1) for item in line.split() if "=" in item)
            if fields.get("run") == "0":
                continue
            runs.setdefault(fields.get("program"), []).append(fields)
    return runs


def numbers(runs, key, scale=1.0):
    values = []
    for run in runs:
        try:
            values.append(float(run[key]) * scale)
        except (KeyError, ValueError):
            pass
    return values


def spread(values, digits=0):
    if not values:
        return "–"
    fmt = f"{{:.{digits}f}}"
    return (f"{fmt.format(statistics.median(values))} "
            f"({fmt.format(min(values))}–{fmt.format(max(values))})")


def ratio(values, base):
    if not values or not base:
        return "–"
    return f"{statistics.median(values) / statistics.median(base):.2f}×"


def distinct(runs, key):
    seen = sorted({run.get(key, "?") for run in runs})
    return "; ".join("none" if s == "-" else s for s in seen).replace(",", ", ") if seen else "–"


def main():
    runs = read(sys.argv[1])
    base = [r for r in runs.get("baseline", []) if r.get("status") == "ok"]
    mib = 1 / 1024
    rows = []
    header = ("| program | ok runs | mapped, ms | × base | first paint, ms | × base | "
              "RSS of tree, MiB | × base | PSS of tree, MiB | page loaded, ms | "
              "processes (browser) | WebEngine libraries mapped | GL driver mapped |")
    rows.append(header)
    rows.append("|" + "---|" * (header.count("|") - 1))
    medians = {}
    for name, label in PROGRAMS:
        all_runs = runs.get(name, [])
        ok = [r for r in all_runs if r.get("status") == "ok"]
        mapped, painted = numbers(ok, "mapped_ms"), numbers(ok, "painted_ms")
        rss, pss = numbers(ok, "rss_kib", mib), numbers(ok, "pss_kib", mib)
        loaded = numbers(ok, "loaded_ms")
        medians[name] = {"mapped_ms": mapped, "rss_kib": rss}
        processes = "–"
        if ok:
            processes = (f"{statistics.median(numbers(ok, 'processes')):.0f} "
                         f"({statistics.median(numbers(ok, 'browser_processes')):.0f})")
        page = "–" if name != "Y" else (spread(loaded) if loaded else "never")
        rows.append(
            f"| {label} | {len(ok)}/{len(all_runs)} | {spread(mapped)} | "
            f"{ratio(mapped, numbers(base, 'mapped_ms'))} | {spread(painted)} | "
            f"{ratio(painted, numbers(base, 'painted_ms'))} | {spread(rss, 1)} | "
            f"{ratio(rss, numbers(base, 'rss_kib', mib))} | {spread(pss, 1)} | {page} | "
            f"{processes} | {distinct(ok, 'webengine_libs')} | {distinct(ok, 'gl_driver')} |")
    print("\n".join(rows))
    print()
    print("Figures: median (min–max). Times in ms from just before exec of the program under a "
          "private Xvfb with no window manager; memory summed over the process and all its "
          "descendants, read 3 s after the first window was mapped (RSS counts shared pages once per "
          "process, PSS divides them). The GL dispatch libraries (libGLX, libEGL, libOpenGL) are "
          "mapped by Qt Gui in every process, the baseline's too; the GL driver column shows "
          "whether an OpenGL context was made.")
    print()

    checks = []
    for name, limits in TARGETS.items():
        for key, limit in limits.items():
            values, base_values = medians.get(name, {}).get(key), medians["baseline"][key]
            what = {"mapped_ms": "window mapped", "rss_kib": "RSS"}[key]
            if not values or not base_values:
                checks.append(f'"{name}" {what}: no figures')
                continue
            got = statistics.median(values) / statistics.median(base_values)
            verdict = "met" if got <= limit else "MISSED"
            checks.append(f'"{name}" {what} {got:.2f}× ≤ {limit}×: {verdict}')
    print("Target check: " + "; ".join(checks))


if __name__ == "__main__":
    main()
