// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The canvas repaints only what went stale, many pieces a second while the mill runs. What it
// shows after seconds of that is pixel for pixel what a repaint of the whole form shows.
import {
  TwipsPerPixel, expect, expectNoErrors, near, openHeld, pass, picture, slider, stageScale, test,
} from './support.js';

// The banner keeps scrolling while the brake is on: its band, from the top of the client area
// to below the banner (Label10: top 240, 495 high; the brake moves it to a top of 20), is left
// out, as a tick of it may come between the two pictures.
const BannerBottom = 240 + 495 + TwipsPerPixel;

// The browser draws the windowed controls over the canvas, and after a re-layout the
// antialiased edge of a focus ring may come out a level or two apart.
const Tolerance = 2;

// Where two pictures of the same size differ, as "x,y" in device pixels, below the banner.
function differences(shot, other, ratio) {
  const firstRow = Math.ceil((BannerBottom / TwipsPerPixel) * ratio);
  const height = Math.min(shot.height, other.height);
  const found = [];
  for (let y = firstRow; y < height; y++) {
    for (let x = 0; x < shot.width; x++) {
      if (!near(shot.device(x, y), other.device(x, y), Tolerance)) found.push(`${x},${y}`);
    }
  }
  return found;
}

// A viewport half as large and back again: the canvas is sized anew twice, and repainted whole.
async function repaintWhole(page) {
  const size = page.viewportSize();
  await page.setViewportSize({ width: Math.round(size.width / 2), height: Math.round(size.height / 2) });
  await expect.poll(() => stageScale(page)).toBeLessThan(1);
  await page.clock.runFor(17);
  await page.setViewportSize(size);
  await expect.poll(() => stageScale(page)).toBe(1);
  await page.clock.runFor(17);
}

for (const ratio of [1, 1.5]) {
  test(`piece by piece the canvas comes to what a whole repaint shows, at device pixel ratio ${ratio}`, async ({ browser }) => {
    const context = await browser.newContext({ deviceScaleFactor: ratio });
    const page = await context.newPage();
    const errors = await openHeld(page);
    await page.getByRole('button', { name: 'Licht de vang' }).click();
    const wind = slider(page, 'Wind');
    await wind.focus();
    await wind.press('End'); // wind 140: the sails tick every 43 ms
    await pass(page, 3000);
    await page.getByRole('button', { name: 'Vangen' }).click();
    await pass(page, 100);
    const pieces = await picture(page);
    await repaintWhole(page);
    const whole = await picture(page);
    expect(whole.height).toBe(pieces.height);
    const found = differences(pieces, whole, pieces.ratio);
    expect(found.length, `pixels that differ, the first: ${found.slice(0, 8).join(' ')}`).toBe(0);
    await expectNoErrors(errors);
    await context.close();
  });
}
