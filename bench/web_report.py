# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web page's part of the performance report, from web.json of web/bench/run.mjs and
lighthouse.json of scripts/check-lighthouse."""
import statistics

SITE_LIMIT_KB = 250
FRAME_MS = 16
# Lighthouse's mobile profile: the score at least, the times at most (ms).
PHONE_SCORE = 0.98
PHONE_LIMITS_MS = (("lcpMs", "largest contentful paint", 1500),
                   ("tbtMs", "total blocking time", 50),
                   ("longestTaskMs", "longest task before the first frame", 50))


def _table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + " --- |" * len(header)]
    return "\n".join(lines + ["| " + " | ".join(str(c) for c in row) + " |" for row in rows])


def _steady(w):
    return [(run["wind"], t) for run in w["ticks"] for t in run["timers"]
            if not (t["timer"] == "Timer2" and t["interval"] == 10)]


def _median(w, who, key):
    return statistics.median(pair[who][key] for pair in w["pairs"])


def goals(w):
    """(goal, figure, met) for the page, judged as the desktop's goals are."""
    steady = _steady(w)
    worst = max(abs(t["meanError"]) * 100 for _, t in steady)
    lost = sum(t["lost"] for _, t in steady)
    mill, floor = _median(w, "mill", "cpu"), _median(w, "floor", "cpu")
    site = sum(f["gzip"] for f in w["files"]) / 1000
    return [
        ("Page: mean tick period within 0.5% of nominal, every timer at every wind",
         f"worst {worst:.3f}%", worst <= 0.5),
        ("Page: no tick lost at steady state", f"{lost} lost", lost == 0),
        ("Page: browser CPU at wind 140 at most 1.3 times the floor page's",
         f"{mill:.2f} s against {floor:.2f} s, ratio {mill / floor:.2f}", mill <= 1.3 * floor),
        (f"Page: the whole site at most {SITE_LIMIT_KB} KB with gzip", f"{site:.1f} KB",
         site <= SITE_LIMIT_KB),
    ] + _work_goals(w)


def _work_goals(w):
    work = w.get("work")
    if not work:
        return []
    mill, floor = work["mill"], work["floor"]
    return [(f"Page: no task of work over {FRAME_MS} ms at wind 140, CPU slowed "
             f"{work['slowdown']} times",
             f"longest {mill['longestTask']:.1f} ms ({mill['over16']} of {mill['tasks']} over); "
             f"floor page {floor['longestTask']:.1f} ms", mill["longestTask"] <= FRAME_MS)]


def _work_section(w):
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
        _table(("page", "tasks", "longest (ms)", "p99 (ms)", f"over {FRAME_MS} ms",
                "longest timer tick (ms)", "animation frames", "median frame (ms)",
                "longest frame (ms)"), rows)]


def section(w):
    """The page's tables: tick periods, CPU and first frame against the floor page, the longest
    work with the CPU slowed, file sizes."""
    ticks = [(wind, t["timer"], t["interval"], t["count"], f"{t['meanError'] * 100:.3f}%",
              f"{t['min']:.2f}", f"{t['max']:.2f}", t["late"], t["lost"]) for wind, t in _steady(w)]
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
        _table(("wind", "timer", "interval (ms)", "periods", "mean error", "shortest (ms)",
                "longest (ms)", "late", "lost"), ticks),
        "### CPU and first frame against the floor page", "The whole browser's CPU (every "
        f"process) over {w['seconds']} s at wind 140, a fresh browser for each page, pairs "
        "interleaved. The floor page draws the same motion (four sails, a stone with two "
        "radius lines, a banner) with plain canvas calls on the same timers. The first frame "
        "is the time from the start of navigation to the first painted canvas, the face and "
        "the WebAssembly module loaded.",
        _table(("pair", "CPU page (s)", "CPU floor (s)", "first frame page (ms)",
                "first frame floor (ms)"), pairs),
        *_work_section(w),
        "### Size", "Every file of `build-web/site/`, plain and with gzip at level 9, as a "
        "static host that compresses would send it.",
        _table(("file", "bytes", "gzip bytes"), sizes)])


def phone_goals(lh):
    """(goal, figure, met) for the page under Lighthouse's mobile profile, on the medians."""
    m = lh["median"]
    goals = [(f"Phone: Lighthouse performance score at least {PHONE_SCORE}",
              f"{m['performance']:.2f}", m["performance"] >= PHONE_SCORE)]
    for key, what, limit in PHONE_LIMITS_MS:
        figure = f"{m[key]:.0f} ms"
        if key == "longestTaskMs" and "floor" in lh:
            figure += f"; floor page {lh['floor']['median']:.0f} ms"
        goals.append((f"Phone: {what} at most {limit} ms", figure, m[key] <= limit))
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
        _table(["run"] + [label for _, label, _ in keys], rows),
        *_floor_tasks(lh)])


def _floor_tasks(lh):
    if "floor" not in lh:
        return []
    tasks = ", ".join(f"{ms:.0f}" for ms in lh["floor"]["longestTaskMs"])
    return ["The floor page under the same profile, run after each of these, for what the "
            "browser's own start costs here: its longest task before its first frame, times the "
            f"slow-down, was {tasks} ms (median {lh['floor']['median']:.0f} ms)."]


def fit_section(fit):
    """How the frame fits each screen of web/tests/devices.js, from the fit tests' fit.json."""
    rows = [(name, f"{d['viewport']['width']} x {d['viewport']['height']} @ {d['ratio']}",
             f"{d['frame']['width']} x {d['frame']['height']}", f"{d['scale']:.3f}",
             f"{d['canvas']['width']} x {d['canvas']['height']}",
             ", ".join(d.get("closeSet", [])) or "none") for name, d in fit.items()]
    return "\n\n".join([
        "### On every screen: the fit", "`web/tests/fit.test.js` in Chromium's device emulation: "
        "the frame scaled as one to the largest size that fits the viewport with a 4 px margin, "
        "in CSS pixels, and the canvas's own pixels. The last column names the controls that come "
        "closer than WCAG's 24 pixel target spacing on that screen.",
        _table(("screen", "viewport @ ratio", "frame", "scale", "canvas", "closer than 24 px"),
               rows)])


if __name__ == "__main__":
    # The phone's figures and goals alone, from a lighthouse.json: what the test command shows.
    import json
    import sys

    phone = json.loads(open(sys.argv[1]).read())
    print(phone_section(phone))
    for goal, figure, met in phone_goals(phone):
        print(f"- {goal}: {figure}, {'met' if met else 'missed'}")
