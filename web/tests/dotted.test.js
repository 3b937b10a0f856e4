// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Dotted lines stay dotted at any device pixel ratio: dots a stroke long, a stroke apart, each
// stroke a whole number of device pixels.
import { expect, near, openHeld, picture, test } from './support.js';

const Magenta = [255, 0, 255];

// Line8: magenta, dotted, one pixel wide, from (480, 3405) to (2760, 3405).
for (const ratio of [1, 1.5, 2]) {
  test(`the dotted line is dotted at device pixel ratio ${ratio}`, async ({ browser }) => {
    const context = await browser.newContext({ deviceScaleFactor: ratio });
    const page = await context.newPage();
    await openHeld(page);
    const shot = await picture(page);
    const stroke = Math.max(1, Math.round(ratio));
    const [from, to] = [Math.ceil((600 / 15) * ratio), Math.floor((2640 / 15) * ratio)];
    const y = Math.floor((3405 / 15) * ratio);
    const rows = [y - 2, y - 1, y, y + 1, y + 2].filter((row) => {
      for (let x = from; x < from + 2 * stroke; x++) if (near(shot.device(x, row), Magenta)) return true;
      return false;
    });
    expect(rows.length).toBe(stroke); // the line is a stroke thick
    const runs = [];
    for (let x = from; x < to; x++) {
      const on = near(shot.device(x, rows[0]), Magenta);
      if (runs.length && runs[runs.length - 1].on === on) runs[runs.length - 1].length++;
      else runs.push({ on, length: 1 });
    }
    const inner = runs.slice(1, -1); // the first and last runs are cut by the sampled span
    expect(inner.length).toBeGreaterThan(50);
    for (const run of inner) expect(run.length, `a ${run.on ? 'dot' : 'gap'}`).toBe(stroke);
    await context.close();
  });
}
