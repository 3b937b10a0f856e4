// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The longest stretches of work on a page's main thread in real time with the CPU slowed four
// times (Chromium's CPU throttling), from a trace of the renderer: every task, the longest timer
// tick, and the median and longest animation frame's callbacks, in milliseconds. A task of work over 16 ms
// would miss a frame of a 60 Hz screen.

export const Slowdown = 4;
const Categories = ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'toplevel'];

// The renderer main threads of the trace: those of the traced page's process where it is named.
function mainThreads(events) {
  const started = events.find((e) => e.name === 'TracingStartedInBrowser');
  const pids = new Set((started?.args?.data?.frames ?? []).map((frame) => frame.processId));
  return new Set(events
    .filter((e) => e.name === 'thread_name' && e.args?.name === 'CrRendererMain')
    .filter((e) => !pids.size || pids.has(e.pid))
    .map((e) => `${e.pid}:${e.tid}`));
}

function durations(events, threads, name) {
  return events.filter((e) => e.ph === 'X' && e.name === name && threads.has(`${e.pid}:${e.tid}`))
    .map((e) => e.dur / 1000)
    .sort((a, b) => a - b);
}

export function summarise(events) {
  const threads = mainThreads(events);
  const tasks = durations(events, threads, 'RunTask');
  const longest = (name) => durations(events, threads, name).at(-1) ?? 0;
  const frames = durations(events, threads, 'FireAnimationFrame');
  return {
    tasks: tasks.length,
    longestTask: tasks.at(-1) ?? 0,
    p99Task: tasks[Math.floor(0.99 * (tasks.length - 1))] ?? 0,
    over16: tasks.filter((ms) => ms > 16).length,
    longestTimer: longest('TimerFire'),
    animationFrames: frames.length,
    medianAnimationFrame: frames[Math.floor((frames.length - 1) / 2)] ?? 0,
    longestAnimationFrame: frames.at(-1) ?? 0,
  };
}

// Opens `url` in `browser`, lets `prepare(page)` set it going, then traces `seconds` of it
// running with the CPU slowed.
export async function slowedWork(browser, url, prepare, seconds) {
  const page = await browser.newPage({ viewport: { width: 780, height: 660 } });
  await page.goto(url);
  await prepare(page);
  await page.waitForTimeout(1000);
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: Slowdown });
  await browser.startTracing(page, { categories: Categories });
  await page.waitForTimeout(seconds * 1000);
  const trace = JSON.parse(String(await browser.stopTracing()));
  await page.close();
  return { seconds, ...summarise(trace.traceEvents ?? trace) };
}
