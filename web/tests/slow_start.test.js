// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a slow phone the button is on the screen, and takes a press, a while before the first
// frame is painted and the timers start: what the user did by then counts.
import { expect, test } from '@playwright/test';
import { expectNoErrors, field } from './support.js';

// Slow enough that the page's start, once the button shows, takes well over a second.
const Slowdown = 30;

test('a press of the button before the first frame releases the brake all the same', async ({ page }) => {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: Slowdown });
  // Whether the canvas had been given its size, as it is once the page has started, when the
  // press came.
  await page.addInitScript(() => document.addEventListener('click', ({ target }) => {
    target.dataset.canvasAtPress = document.querySelector('canvas').width;
  }, { capture: true, once: true }));
  await page.goto('/', { waitUntil: 'commit' });
  const button = page.getByRole('button', { name: 'Licht de vang' });
  await button.click({ force: true });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });

  const unsized = await page.evaluate(() => document.createElement('canvas').width);
  await expect(page.getByRole('button', { name: 'Vangen' })).toHaveAttribute('data-canvas-at-press', String(unsized));
  // Wind 10: a sail tick every 600 ms takes it into the field.
  await expect(field(page, 'Enden')).toHaveValue('10');
  await expectNoErrors(errors);
});
