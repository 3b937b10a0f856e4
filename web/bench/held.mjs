// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first frame after a long time without frames. A tab in the background or a minimised
// window gets no animation frames while its timers go on ticking; the first frame afterwards
// should do no more work than a repaint of the whole form. The page runs at wind 140 on
// Playwright's clock, which runs its timers fast, with its animation frames held in a queue
// until they are let run: its frame after a hold, against its frames 16 ms apart and against a
// repaint of the whole form after the viewport was resized. A frame's work is the real time of
// its callbacks up to the canvas's pixels read back, so that the canvas has drawn what it was
// told. A frame still running after CutOffMs is given up: the figure is then null.
import { chromium } from '@playwright/test';
import { chromiumOptions } from '../playwright.config.js';

const CutOffMs = 60_000;

// In the page, before Playwright's clock replaces it: the real clock, to time frames by.
function keepRealClock() {
  window.realNow = performance.now.bind(performance);
}

// In the page, after the clock: the animation frames wait until runFrames() runs them, which
// gives the real milliseconds they took.
function holdFrames() {
  let queue = [];
  let next = 1;
  window.requestAnimationFrame = (callback) => {
    queue.push([next, callback]);
    return next++;
  };
  window.cancelAnimationFrame = (id) => {
    queue = queue.filter(([queued]) => queued !== id);
  };
  window.runFrames = () => {
    const start = window.realNow();
    const due = queue;
    queue = [];
    const now = performance.now();
    for (const [, callback] of due) callback(now);
    document.querySelector('.client canvas').getContext('2d').getImageData(0, 0, 1, 1);
    return window.realNow() - start;
  };
}

// `ms` of the page's time, then a frame; the frame's work in real ms, or null if it was still
// running after CutOffMs.
async function frameAfter(page, ms) {
  await page.clock.runFor(ms);
  let timer;
  const cutOff = new Promise((resolve) => { timer = setTimeout(resolve, CutOffMs, null); });
  const frame = page.evaluate(() => window.runFrames());
  frame.catch(() => {}); // the browser is closed under a frame given up
  const took = await Promise.race([frame, cutOff]);
  clearTimeout(timer);
  return took;
}

// Waits, in real time and running no frame, until `condition` holds in the page.
async function settled(page, condition) {
  for (let i = 0; i < 1000; i++) {
    if (await page.evaluate(condition)) return;
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
  throw new Error(`held.mjs: the page never came to ${condition}`);
}

const canvasWidth = () => document.querySelector('.client canvas').width;

// A repaint of the whole form: the viewport halved, which sizes the canvas anew, and back; the
// frame after the canvas has its first size again is timed.
async function wholeRepaint(page) {
  const size = page.viewportSize();
  const width = await page.evaluate(canvasWidth);
  await page.setViewportSize({ width: Math.round(size.width / 2), height: Math.round(size.height / 2) });
  await settled(page, `(${canvasWidth})() !== ${width}`);
  await frameAfter(page, 0);
  await page.setViewportSize(size);
  await settled(page, `(${canvasWidth})() === ${width}`);
  return frameAfter(page, 0);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];

// The page at `url` in a browser of its own, which is closed under a frame given up. `holds`:
// the short and the long hold in seconds; `frames`: how many frames of each kind make a median.
export async function heldFrames(url, { holds, frames }) {
  const browser = await chromium.launch(chromiumOptions);
  const page = await browser.newPage({ viewport: { width: 780, height: 660 } });
  await page.addInitScript(keepRealClock);
  await page.clock.install({ time: 0 });
  await page.clock.pauseAt(1000);
  await page.addInitScript(holdFrames);
  await page.goto(url);
  await settled(page, () => document.activeElement?.localName === 'button'); // timers started
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const bar = page.getByRole('slider', { name: 'Wind' });
  await bar.focus();
  await bar.press('End');
  const wind = Number(await bar.getAttribute('aria-valuenow'));
  for (let i = 0; i < 60; i++) await frameAfter(page, 16); // a sail tick takes the wind
  const normal = [];
  for (let i = 0; i < frames; i++) normal.push(await frameAfter(page, 16));
  const whole = [];
  for (let i = 0; i < frames; i++) whole.push(await wholeRepaint(page));
  const after = [];
  for (const seconds of holds) {
    if (after.includes(null)) { // the page is still busy with the frame given up
      after.push(null);
      continue;
    }
    for (let i = 0; i < 30; i++) await frameAfter(page, 16);
    after.push(await frameAfter(page, seconds * 1000));
  }
  await browser.close();
  return { wind, short_hold_s: holds[0], long_hold_s: holds[1], cut_off_ms: CutOffMs,
    normal_frames: frames, normal_frame_ms: median(normal),
    full_repaints: frames, full_repaint_ms: median(whole),
    first_frame_after_60s_ms: after[0], first_frame_after_10min_ms: after[1] };
}
