// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A tab in the background or a minimised window gets no animation frames while the page's
// timers go on ticking. However long that lasts, the first frame afterwards paints no more
// than a repaint of the whole form does, and leaves the canvas as such a repaint would.
// The minutes pass on Playwright's clock, which runs the timers back to back; the page's
// animation frames wait in a queue of the test's own meanwhile. The work of a frame is counted,
// not timed: the canvas calls it makes on the form's canvas and the area of the rectangles it
// fills or clips to, in device pixels.
import { expect, expectNoErrors, near, pass, picture, slider, stageScale, test } from './support.js';

const Minute = 60_000;
const Hold = 10 * Minute; // of the page's time; its ticks take some five minutes here
// A whole repaint takes some 10 ms: a frame still painting after this much real time is taken
// for one that would hold the page up for good, and the test fails rather than waits.
const FrameLimit = Minute;

// The browser draws the windowed controls over the canvas, and after a re-layout the
// antialiased edge of a focus ring may come out a level or two apart (as in repaint.test.js).
const Tolerance = 2;

// In the page, before anything of it runs: every call of these on the form's canvas (the one
// in the client area; the rings' layers and the painting off screen are not in the document)
// is counted, and the rectangles of rect() and fillRect() added up by area.
function countPainting() {
  const counted = ['rect', 'fillRect', 'fill', 'drawImage', 'fillText', 'clip'];
  const fresh = () => Object.fromEntries([['calls', 0], ['area', 0], ...counted.map((name) => [name, 0])]);
  window.painted = fresh();
  window.countAfresh = () => {
    const counts = window.painted;
    window.painted = fresh();
    return counts;
  };
  const context = CanvasRenderingContext2D.prototype;
  for (const name of counted) {
    const call = context[name];
    context[name] = function (...args) {
      if (this.canvas.isConnected && this.canvas.closest('.client')) {
        const counts = window.painted;
        counts[name]++;
        counts.calls++;
        if (name === 'rect' || name === 'fillRect') counts.area += Math.abs(args[2] * args[3]);
      }
      return call.apply(this, args);
    };
  }
}

// In the page, after Playwright's clock has put in its own: while window.framesHeld, animation
// frames wait in a queue until window.runHeldFrames() runs them, without the clock moving.
// The page never cancels a frame it asked for, so cancelAnimationFrame is left as it is.
function holdFrames() {
  const clockFrame = window.requestAnimationFrame;
  let queue = [];
  window.framesHeld = false;
  window.requestAnimationFrame = (callback) => {
    if (!window.framesHeld) return clockFrame(callback);
    queue.push(callback);
    return -queue.length;
  };
  window.runHeldFrames = () => {
    const due = queue;
    queue = [];
    const now = performance.now();
    for (const callback of due) callback(now);
    return due.length;
  };
}

// Opens the page as support.js's openHeld does, with time held at its start, but with the
// canvas's calls counted and the animation frames in the test's hands.
async function openCounting(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.addInitScript(countPainting);
  await page.clock.install({ time: 0 });
  await page.clock.pauseAt(1000);
  await page.addInitScript(holdFrames);
  await page.goto('/');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  await page.clock.runFor(20);
  return errors;
}

// The frames waiting run, and what they painted is counted; then any that they asked for in
// turn, until none is left, so that the canvas shows all that went stale.
async function runFrames(page) {
  await page.evaluate(() => window.countAfresh());
  let limit;
  const overLimit = new Promise((_, reject) => {
    limit = setTimeout(() => reject(new Error(`a frame still painting after ${FrameLimit} ms`)), FrameLimit);
  });
  const running = page.evaluate(() => window.runHeldFrames());
  running.catch(() => {}); // a frame given up on ends with the page
  const frames = await Promise.race([running, overLimit]);
  clearTimeout(limit);
  const counts = await page.evaluate(() => window.countAfresh());
  for (let more = 0; more < 10 && (await page.evaluate(() => window.runHeldFrames())); more++);
  return { frames, ...counts };
}

// A viewport half as large and back again, the clock standing still: the canvas is sized anew
// twice, and repainted whole. What the frame after the second sizing painted.
async function repaintWhole(page) {
  const size = page.viewportSize();
  const scale = await stageScale(page);
  await page.setViewportSize({ width: Math.round(size.width / 2), height: Math.round(size.height / 2) });
  await expect.poll(() => stageScale(page)).toBeLessThan(scale);
  await runFrames(page);
  await page.setViewportSize(size);
  await expect.poll(() => stageScale(page)).toBe(scale);
  return runFrames(page);
}

const sailAngle = async (page) => Number(await page.locator('input[name="Text1"]').inputValue());

// Where two pictures of the same size differ, as "x,y" in device pixels.
function differences(shot, other) {
  const found = [];
  for (let y = 0; y < Math.min(shot.height, other.height); y++) {
    for (let x = 0; x < shot.width; x++) {
      if (!near(shot.device(x, y), other.device(x, y), Tolerance)) found.push(`${x},${y}`);
    }
  }
  return found;
}

test('the first frame after ten minutes without frames paints no more than a whole repaint', async ({ page }) => {
  test.setTimeout(15 * Minute);
  const errors = await openCounting(page);
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const wind = slider(page, 'Wind');
  await wind.focus();
  await wind.press('End'); // wind 140: the sails tick every 43 ms
  await expect(wind).toHaveAttribute('aria-valuenow', '140');
  await pass(page, 3000);
  await page.evaluate(() => { window.framesHeld = true; });
  await page.clock.runFor(17); // any frame asked of the clock before runs
  await runFrames(page);
  await page.clock.runFor(16);
  const normal = await runFrames(page); // what one frame paints as the mill runs, for the log

  const angle = await sailAngle(page);
  const start = Date.now();
  await page.clock.runFor(Hold);
  const holdMs = Date.now() - start;
  // The sails turn 10 degrees a tick, a tick every 6000 / 140 ms: the time did pass in ticks.
  expect((await sailAngle(page) - angle) / 10).toBeGreaterThan(0.9 * (Hold / (6000 / 140)));
  const held = await runFrames(page);
  const afterHold = await picture(page);

  const whole = await repaintWhole(page);
  const repainted = await picture(page);
  console.log(`one frame at wind 140: ${JSON.stringify(normal)}\n` +
    `the first frame after ${Hold / 1000} s without frames (held for ${holdMs} ms): ${JSON.stringify(held)}\n` +
    `a repaint of the whole form: ${JSON.stringify(whole)}`);

  expect(held.frames).toBeGreaterThan(0);
  // What went stale lies within the form, so the frame fills and clips no more area than the
  // whole repaint does. Its calls may run a little over: where the stale area is painted in a
  // few pieces rather than as one, a caption or ring across two of them is clipped to each in
  // turn. Half as many again is still a repaint of the same order; ten minutes of stale
  // pieces painted one by one would be thousands of times as many.
  expect(held.area, 'area filled or clipped to, against a whole repaint').toBeLessThanOrEqual(whole.area);
  expect(held.calls, 'canvas calls, against a whole repaint').toBeLessThanOrEqual(1.5 * whole.calls);
  // No tick came between the two pictures: the clock stood still.
  expect(repainted.height).toBe(afterHold.height);
  const found = differences(afterHold, repainted);
  expect(found.length, `pixels that differ, the first: ${found.slice(0, 8).join(' ')}`).toBe(0);
  await expectNoErrors(errors);
});
