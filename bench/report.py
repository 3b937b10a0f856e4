#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the performance report and its picture from the results folder of bench/run: the
window's figures, then the web page's (web.json of web/bench/run.mjs, lighthouse.json of
scripts/check-lighthouse, fit.json of the fit tests), and the Windows program's where
scripts/test-windows wrote it (windows.json).

    report.py RESULTS REPORT.md PICTURE.png WIND...
    report.py --lighthouse LIGHTHOUSE.json

The second form shows the phone's figures and goals alone, from one lighthouse.json: what the
web tests show of Lighthouse's check. Every result the report names must be there: a missing
file or field ends it with an error.
"""
import json
import statistics
import sys
from pathlib import Path

TIMERS = ("Timer1", "Timer2", "Timer3")
SITE_LIMIT_KB = 250
FRAME_MS = 16
# Lighthouse's mobile profile: the score at least, the times at most (ms).
PHONE_SCORE = 0.98
PHONE_LIMITS_MS = (("lcpMs", "largest contentful paint", 1500),
                   ("tbtMs", "total blocking time", 50),
                   ("longestTaskMs", "longest task before the first frame", 50))


# Shared by every part.

def load(path):
    """A result: JSON, or JSON lines where the name ends otherwise."""
    path = Path(path)
    if not path.exists():
        sys.exit(f"report.py: missing result {path}")
    text = path.read_text()
    if path.name.endswith(".json"):
        return json.loads(text)
    return [json.loads(line) for line in text.splitlines()]


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + " --- |" * len(header)]
    return "\n".join(lines + ["| " + " | ".join(str(c) for c in row) + " |" for row in rows])


def goal(what, figure, met):
    return (what, figure, "met" if met else "**missed**")


def median(rows, key):
    return statistics.median(row[key] for row in rows)


def span(seconds):
    """A stretch of time as a reader says it: 60 s, 10 min."""
    return f"{seconds // 60} min" if seconds > 60 and seconds % 60 == 0 else f"{seconds} s"


# The window under Xvfb (bench/run).

def desktop_goals(r):
    steady = [row for run in r["timing"] for row in run["rows"]]
    starve = [row for row in r["starve"]["rows"] if row["timer"] != "Timer3" and not
              (row["timer"] == "Timer1" and row["interval_ms"] == 1000)]
    worst_mean = max(abs(row["mean_error_percent"]) for row in steady)
    lost = sum(max(0, row["expected"] - row["seen"]) for row in steady)
    worst_p99 = max(row["p99_ms"] - row["interval_ms"] for row in steady)
    longest = max(row["longest_ms"] for row in starve)
    largest = max(row["interval_ms"] for row in starve)
    med = {who: {k: median([run for run in r["whole"] if run["who"] == who], k)
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
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

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


def desktop_section(r, picture):
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
                          desktop_goals(r) + page_goals(r["web"]) + phone_goals(r["lighthouse"])),
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


# The page in headless Chromium (web/bench/run.mjs), judged as the window is.

def page_steady(w):
    return [(run["wind"], t) for run in w["ticks"] for t in run["timers"]
            if not (t["timer"] == "Timer2" and t["interval"] == 10)]


def page_goals(w):
    steady = page_steady(w)
    worst = max(abs(t["meanError"]) * 100 for _, t in steady)
    lost = sum(t["lost"] for _, t in steady)
    mill = median([pair["mill"] for pair in w["pairs"]], "cpu")
    floor = median([pair["floor"] for pair in w["pairs"]], "cpu")
    site = sum(f["gzip"] for f in w["files"]) / 1000
    return [
        goal("Page: mean tick period within 0.5% of nominal, every timer at every wind",
             f"worst {worst:.3f}%", worst <= 0.5),
        goal("Page: no tick lost at steady state", f"{lost} lost", lost == 0),
        goal("Page: browser CPU at wind 140 at most 1.3 times the floor page's",
             f"{mill:.2f} s against {floor:.2f} s, ratio {mill / floor:.2f}", mill <= 1.3 * floor),
        goal(f"Page: the whole site at most {SITE_LIMIT_KB} KB with gzip", f"{site:.1f} KB",
             site <= SITE_LIMIT_KB),
    ] + work_goals(w) + held_goals(w)


def work_goals(w):
    work = w.get("work")
    if not work:
        return []
    mill, floor = work["mill"], work["floor"]
    return [goal(f"Page: no task of work over {FRAME_MS} ms at wind 140, CPU slowed "
                 f"{work['slowdown']} times",
                 f"longest {mill['longestTask']:.1f} ms ({mill['over16']} of {mill['tasks']} over); "
                 f"floor page {floor['longestTask']:.1f} ms", mill["longestTask"] <= FRAME_MS)]


def work_section(w):
    work = w.get("work")
    if not work:
        return []
    rows = [(who, work[who]["tasks"], f"{work[who]['longestTask']:.2f}",
             f"{work[who]['p99Task']:.2f}", work[who]["over16"],
             f"{work[who]['longestTimer']:.2f}", work[who]["animationFrames"],
             f"{work[who]['medianAnimationFrame']:.2f}", f"{work[who]['longestAnimationFrame']:.2f}")
            for who in ("mill", "floor")]
    return [
        "### Work on the main thread, CPU slowed", f"Each page in real time at wind 140 for "
        f"{work['mill']['seconds']} s with Chromium's CPU throttling at {work['slowdown']} times "
        "slower, traced: every task the renderer's main thread ran, the longest timer tick and "
        "the animation frames' callbacks (the page's painting). A task over "
        f"{FRAME_MS} ms would miss a frame of a 60 Hz screen.",
        table(("page", "tasks", "longest (ms)", "p99 (ms)", f"over {FRAME_MS} ms",
               "longest timer tick (ms)", "animation frames", "median frame (ms)",
               "longest frame (ms)"), rows)]


def held_goals(w):
    held = w.get("held")
    if not held:
        return []
    after, whole = held["first_frame_after_10min_ms"], held["full_repaint_ms"]
    return [goal(f"Page: the first frame after {span(held['long_hold_s'])} without frames at "
                 "most a full repaint's work", f"{frame_ms(held, after)} against {whole:.1f} ms",
                 after is not None and after <= whole)]


def frame_ms(held, ms):
    """A frame's work; None where it was given up, still running, at the cut-off."""
    return f"more than {held['cut_off_ms']} ms, given up" if ms is None else f"{ms:.1f} ms"


def held_section(w):
    held = w.get("held")
    if not held:
        return []
    whole = held["full_repaint_ms"]
    rows = [(f"at wind {held['wind']}, 16 ms after the last (median of {held['normal_frames']})",
             held["normal_frame_ms"]),
            (f"after the viewport was resized (median of {held['full_repaints']})", whole),
            (f"after {span(held['short_hold_s'])} without frames",
             held["first_frame_after_60s_ms"]),
            (f"after {span(held['long_hold_s'])} without frames",
             held["first_frame_after_10min_ms"])]
    return [
        "### The first frame after a long time without frames", "A tab in the background or a "
        "minimised window gets no animation frames, while its timers go on ticking. The page at "
        f"wind {held['wind']} on Playwright's clock, which runs its timers fast, its animation "
        "frames held back until let run. A frame's work is the real time of its callbacks up to "
        "the canvas's pixels read back; the full repaint is the frame after the viewport was "
        f"halved and sized back, and a frame still running after {held['cut_off_ms']} ms is "
        "given up.",
        table(("frame", "work", "against a full repaint"),
              [(what, frame_ms(held, ms), "" if ms is None else f"{ms / whole:.2f}")
               for what, ms in rows])]


def page_section(w):
    """The page's tables: tick periods, CPU and first frame against the floor page, the longest
    work with the CPU slowed, the first frame after frames were held back, file sizes."""
    ticks = [(wind, t["timer"], t["interval"], t["count"], f"{t['meanError'] * 100:.3f}%",
              f"{t['min']:.2f}", f"{t['max']:.2f}", t["late"], t["lost"])
             for wind, t in page_steady(w)]
    pairs = [(i + 1, f"{p['mill']['cpu']:.2f}", f"{p['floor']['cpu']:.2f}",
              f"{p['mill']['firstFrame']:.1f}", f"{p['floor']['firstFrame']:.1f}")
             for i, p in enumerate(w["pairs"])]
    files = sorted(w["files"], key=lambda f: -f["gzip"])
    sizes = [(f"`{f['file']}`", f["bytes"], f["gzip"]) for f in files]
    sizes.append(("**whole site**", sum(f["bytes"] for f in files),
                  sum(f["gzip"] for f in files)))
    return "\n\n".join([
        "## The web page", f"`web/bench/run.mjs` in headless Chromium ({w['chromium']}), the "
        "site served from this machine. Periods are taken as each tick reaches the page's "
        f"dispatch point, for {w['seconds']} s after the first two seconds at each wind. A late "
        "tick ends a period longer than one and a half intervals; the page makes it up at once "
        "unless it is more than 250 ms late, so ticks are lost only where the periods span "
        "more intervals than there are periods. The stone's 10 ms ticks before the first sail "
        "tick are left out.",
        table(("wind", "timer", "interval (ms)", "periods", "mean error", "shortest (ms)",
               "longest (ms)", "late", "lost"), ticks),
        "### CPU and first frame against the floor page", "The whole browser's CPU (every "
        f"process) over {w['seconds']} s at wind 140, a fresh browser for each page, pairs "
        "interleaved. The floor page draws the same motion (four sails, a stone with two "
        "radius lines, a banner) with plain canvas calls on the same timers. The first frame "
        "is the time from the start of navigation to the first painted canvas, the face and "
        "the WebAssembly module loaded.",
        table(("pair", "CPU page (s)", "CPU floor (s)", "first frame page (ms)",
               "first frame floor (ms)"), pairs),
        *work_section(w),
        *held_section(w),
        "### Size", "Every file of `build-web/site/`, plain and with gzip at level 9, as a "
        "static host that compresses would send it.",
        table(("file", "bytes", "gzip bytes"), sizes)])


# The page on a phone: Lighthouse (scripts/check-lighthouse), on the medians of its runs.

def phone_goals(lh):
    m = lh["median"]
    goals = [goal(f"Phone: Lighthouse performance score at least {PHONE_SCORE}",
                  f"{m['performance']:.2f}", m["performance"] >= PHONE_SCORE)]
    for key, what, limit in PHONE_LIMITS_MS:
        figure = f"{m[key]:.0f} ms"
        if key == "longestTaskMs" and "floor" in lh:
            figure += f"; floor page {lh['floor']['median']:.0f} ms"
        goals.append(goal(f"Phone: {what} at most {limit} ms", figure, m[key] <= limit))
    return goals


def phone_section(lh):
    """Lighthouse's figures, run by run and their medians."""
    keys = (("performance", "score", "{:.2f}"), ("fcpMs", "FCP (ms)", "{:.0f}"),
            ("lcpMs", "LCP (ms)", "{:.0f}"), ("tbtMs", "TBT (ms)", "{:.0f}"),
            ("longestTaskMs", "longest task to first frame (ms)", "{:.0f}"),
            ("mainThreadMs", "main-thread work (ms)", "{:.0f}"),
            ("transferBytes", "bytes sent", "{:.0f}"))
    rows = [[str(i + 1)] + [f.format(run[k]) for k, _, f in keys] for i, run in enumerate(lh["runs"])]
    rows.append(["**median**"] + [f.format(lh["median"][k]) for k, _, f in keys])
    return "\n\n".join([
        "### On a phone: Lighthouse", f"`scripts/check-lighthouse`: {lh['version']}, its "
        "mobile profile (a mid-range phone, slow 4G and a CPU four times slower, simulated), "
        "against the site as `scripts/serve-site` serves it: nginx sending the brotli or gzip "
        "made at build time. The machine is shared with other work, so each figure is the median "
        f"of {len(lh['runs'])} runs. The longest task is the longest main-thread task before the "
        "first frame is painted, as seen here, times the profile's CPU slow-down. The whole "
        f"site with gzip: {lh['siteGzipBytes'] / 1000:.1f} KB.",
        table(["run"] + [label for _, label, _ in keys], rows),
        *floor_tasks(lh)])


def floor_tasks(lh):
    if "floor" not in lh:
        return []
    tasks = ", ".join(f"{ms:.0f}" for ms in lh["floor"]["longestTaskMs"])
    return ["The floor page under the same profile, run after each of these, for what the "
            "browser's own start costs here: its longest task before its first frame, times the "
            f"slow-down, was {tasks} ms (median {lh['floor']['median']:.0f} ms)."]


# How the frame fits each screen (web/tests/fit.test.js).

def fit_section(fit):
    """How the frame fits each screen of web/tests/devices.js, from the fit tests' fit.json, and
    how large a target each control is there (WCAG 2.5.8 asks 24 CSS pixels, or the spacing)."""
    rows = [(name, f"{d['viewport']['width']} x {d['viewport']['height']} @ {d['ratio']}",
             f"{d['frame']['width']} x {d['frame']['height']}", f"{d['scale']:.3f}",
             f"{d['canvas']['width']} x {d['canvas']['height']}",
             f"{d['targetSize']['smallest']}", f"{d['targetSize']['button']}",
             d["targetSize"]["axe"]) for name, d in fit.items()]
    return "\n\n".join([
        "### On every screen: the fit", "`web/tests/fit.test.js` in Chromium's device emulation: "
        "the frame scaled as one to the largest size that fits the viewport with a 4 px margin, "
        "in CSS pixels, and the canvas's own pixels; then the smallest target among the fields, "
        "the sliders and the caption bar's buttons, the form's button (which may pass by its "
        "spacing instead), in CSS pixels, and axe-core's target-size rule.",
        table(("screen", "viewport @ ratio", "frame", "scale", "canvas", "smallest target",
               "form's button", "target size"), rows)])


# The Windows program under Wine (scripts/test-windows).

def windows_section(w):
    """The sail tick's period at the strongest wind, measured from outside the program."""
    interval = w["interval_ms"]
    rows = [(f"{p:.2f}", f"{100 * (p - interval) / interval:+.2f}%") for p in w["periods_ms"]]
    return "\n\n".join([
        "## The Windows program under Wine",
        f"`scripts/test-windows`, last run {w['date']}: `molen.exe` under Wine on a virtual "
        f"display, the brake released at the strongest wind (sail interval {interval} ms); the "
        "period is the slope of the sail's ticks, counted from pictures a tenth of a second apart "
        "over 6 s, the best of up to three measures. The program's own loop is held to 1 % a "
        "period by its test under Wine.",
        table(("period (ms)", "error"), rows)])


def report(r, picture):
    """The whole report: the window's figures, then the web page's."""
    windows = "\n\n" + windows_section(r["windows"]) if r.get("windows") else ""
    return (desktop_section(r, picture) + "\n" + page_section(r["web"]) + "\n\n" +
            phone_section(r["lighthouse"]) + "\n\n" + fit_section(r["fit"]) + windows + "\n")


def write(folder, report_path, picture_path, *winds):
    folder = Path(folder)
    r = {"machine": load(folder / "machine.json"),
         "timing": [load(folder / f"timing-{wind}.json") for wind in winds],
         "starve": load(folder / "starve.json"),
         "whole": load(folder / "whole.jsonl"),
         "overspill_px": load(folder / "overspill.json")["banner_overspill_px"],
         "web": load(folder / "web.json"),
         "lighthouse": load(folder / "lighthouse.json"),
         "fit": load(folder / "fit.json"),
         # The Windows program's, where scripts/test-windows ran.
         "windows": load(folder / "windows.json") if (folder / "windows.json").exists() else None}
    for run in r["whole"]:
        run["cpu_s"] = run["program_cpu_s"] + run["server_cpu_s"]
    chart(r["timing"], picture_path)
    Path(report_path).write_text(report(r, Path(picture_path).name))


def show_phone(path):
    """The phone's table and goals, from one lighthouse.json, on standard output."""
    phone = load(path)
    print(phone_section(phone))
    for what, figure, result in phone_goals(phone):
        print(f"- {what}: {figure}, {result.strip('*')}")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--lighthouse":
        show_phone(sys.argv[2])
    elif len(sys.argv) >= 5 and not sys.argv[1].startswith("-"):
        write(*sys.argv[1:])
    else:
        sys.exit(__doc__)
