#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the performance report and its picture from the results folder of bench/run.

    report.py RESULTS REPORT.md PICTURE.png WIND...

Every result the report names must be there: a missing file or field ends it with an error.
"""
import json
import statistics
import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import web_report  # noqa: E402

TIMERS = ("Timer1", "Timer2", "Timer3")


def load(folder, name):
    path = folder / name
    if not path.exists():
        sys.exit(f"report.py: missing result {path}")
    text = path.read_text()
    return json.loads(text) if name.endswith(".json") else [json.loads(l) for l in text.splitlines()]


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + " --- |" * len(header)]
    return "\n".join(lines + ["| " + " | ".join(str(c) for c in row) + " |" for row in rows])


def goal(what, figure, met):
    return (what, figure, "met" if met else "**missed**")


def judge(r):
    steady = [row for run in r["timing"] for row in run["rows"]]
    starve = [row for row in r["starve"]["rows"] if row["timer"] != "Timer3" and not
              (row["timer"] == "Timer1" and row["interval_ms"] == 1000)]
    worst_mean = max(abs(row["mean_error_percent"]) for row in steady)
    lost = sum(max(0, row["expected"] - row["seen"]) for row in steady)
    worst_p99 = max(row["p99_ms"] - row["interval_ms"] for row in steady)
    longest = max(row["longest_ms"] for row in starve)
    largest = max(row["interval_ms"] for row in starve)
    med = {who: {k: statistics.median(run[k] for run in r["whole"] if run["who"] == who)
                 for k in ("first_frame_ms", "cpu_s", "peak_rss_mb")} for who in ("molen", "floor")}
    mill, floor = med["molen"], med["floor"]
    return [
        goal("Mean tick period within 0.5% of nominal, every timer at every wind",
             f"worst {worst_mean:.3f}%", worst_mean <= 0.5),
        goal("No tick lost at steady state", f"{lost} lost", lost == 0),
        goal("p99 period within 2 ms of nominal", f"worst +{worst_p99:.2f} ms", worst_p99 <= 2),
        goal("Wind changed every 20 ms: sail and stone gap at most twice the largest interval",
             f"longest {longest:.1f} ms, limit {2 * largest} ms", longest <= 2 * largest),
        goal("CPU (program and X server) at wind 140 at most 1.3 times the floor's",
             f"{mill['cpu_s']:.2f} s against {floor['cpu_s']:.2f} s, ratio "
             f"{mill['cpu_s'] / floor['cpu_s']:.2f}", mill["cpu_s"] <= 1.3 * floor["cpu_s"]),
        goal("Peak resident memory at most the floor's plus 5 MB",
             f"{mill['peak_rss_mb']:.1f} MB against {floor['peak_rss_mb']:.1f} MB, "
             f"+{mill['peak_rss_mb'] - floor['peak_rss_mb']:.1f} MB",
             mill["peak_rss_mb"] <= floor["peak_rss_mb"] + 5),
        goal("Start to first painted frame at most 1.3 times the floor's",
             f"{mill['first_frame_ms']:.2f} ms against {floor['first_frame_ms']:.2f} ms, ratio "
             f"{mill['first_frame_ms'] / floor['first_frame_ms']:.2f}",
             mill["first_frame_ms"] <= 1.3 * floor["first_frame_ms"]),
        goal("A banner tick repaints no more than the banner's old and new boxes",
             f"{r['overspill_px']} pixels outside them", r["overspill_px"] == 0),
    ]


def starvation_rows(rows):
    for timer in TIMERS:
        mine = [row for row in rows if row["timer"] == timer and
                not (timer == "Timer1" and row["interval_ms"] == 1000)]
        yield (timer, sum(row["seen"] for row in mine), max(row["interval_ms"] for row in mine),
               f"{max(row['longest_ms'] for row in mine):.2f}")


def chart(runs, path):
    """Per wind and timer, the periods of the interval that ran longest, as errors in ms."""
    figure, cells = plt.subplots(len(runs), len(TIMERS), figsize=(10, 2.2 * len(runs)),
                                 squeeze=False, sharex=True)
    for run, row in zip(runs, cells):
        for timer, cell in zip(TIMERS, row):
            mine = [p for p in run["periods"] if p["timer"] == timer]
            interval = statistics.mode(p["interval_ms"] for p in mine)
            errors = [min(max(p["ms"] - interval, -2), 4) for p in mine if p["interval_ms"] == interval]
            cell.hist(errors, bins=24, range=(-2, 4), color="#0000c0")
            cell.set_title(f"wind {run['wind']}, {timer}, {interval} ms, {len(errors)} periods",
                           fontsize=9)
    figure.suptitle("Period minus interval (ms); the outer bars gather all beyond them")
    figure.tight_layout()
    figure.savefig(path, dpi=80)


def report(r, picture):
    """The whole report: the window's figures, then the web page's."""
    return (desktop_report(r, picture) + "\n" + web_report.section(r["web"]) + "\n\n" +
            web_report.phone_section(r["lighthouse"]) + "\n\n" +
            web_report.fit_section(r["fit"]) + "\n")


def desktop_report(r, picture):
    steady = [(run["wind"], row["timer"], row["interval_ms"], row["expected"], row["seen"],
               f"{row['mean_error_percent']:.3f}%", f"{row['p50_ms']:.2f}", f"{row['p99_ms']:.2f}",
               f"{row['longest_ms']:.2f}") for run in r["timing"] for row in run["rows"]]
    whole = [(run["pair"], run["who"], f"{run['first_frame_ms']:.1f}", f"{run['program_cpu_s']:.2f}",
              f"{run['server_cpu_s']:.2f}", f"{run['peak_rss_mb']:.1f}") for run in r["whole"]]
    return "\n\n".join([
        "# Performance", "Written by `bash bench/run`. Every figure is a count, an error against "
        "the nominal interval, or a ratio against the floor: the least Qt window that shows the "
        "same motion on the same timers.",
        "## Machine", "\n".join(f"- {k} {v}" for k, v in r["machine"].items()),
        "## Goals", table(("goal", "figure", "result"),
                          judge(r) + [goal(*g) for g in web_report.goals(r["web"]) +
                                      web_report.phone_goals(r["lighthouse"])]),
        "## Tick timing", "The real window under Xvfb with the brake released, one row per timer "
        "and interval; periods are taken as each tick is delivered, on a monotonic clock. The "
        "sail's first period is the 1000 ms before the first sail tick, and the stone ticks every "
        "10 ms until that tick has set the wind. On X, Qt waits for the server to take a frame "
        "from shared memory before it paints over the same pixels again (the banner does so "
        "every tick), so a server slow to wake shows here as a late tick.",
        table(("wind", "timer", "interval (ms)", "expected", "seen", "mean error", "p50 (ms)",
               "p99 (ms)", "longest (ms)"), steady),
        f"![Tick periods against their interval]({picture})",
        "### Wind changed every 20 ms", "The first sail period, the 1000 ms before the first "
        "sail tick, is left out.",
        table(("timer", "ticks", "largest interval (ms)", "longest gap (ms)"),
              starvation_rows(r["starve"]["rows"])),
        "## Whole program against the floor", "The real program and the floor window at wind "
        "140, each on a fresh Xvfb, interleaved pair by pair. CPU is the program's and the X "
        "server's over the measured time.",
        table(("pair", "program", "first frame (ms)", "CPU program (s)", "CPU X server (s)",
               "peak RSS (MB)"), whole)]) + "\n"


def main(folder, report_path, picture_path, *winds):
    folder = Path(folder)
    r = {"machine": load(folder, "machine.json"),
         "timing": [load(folder, f"timing-{wind}.json") for wind in winds],
         "starve": load(folder, "starve.json"),
         "whole": load(folder, "whole.jsonl"),
         "overspill_px": load(folder, "overspill.json")["banner_overspill_px"],
         "web": load(folder, "web.json"),
         "lighthouse": load(folder, "lighthouse.json"),
         "fit": load(folder, "fit.json")}
    for run in r["whole"]:
        run["cpu_s"] = run["program_cpu_s"] + run["server_cpu_s"]
    chart(r["timing"], picture_path)
    Path(report_path).write_text(report(r, Path(picture_path).name))


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
