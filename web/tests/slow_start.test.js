// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a slow phone the button is on the screen, and takes a press, a while before the first
// frame is painted and the timers start: what the user did by then counts.
import { expect, expectNoErrors, field, test } from './support.js';

test('a press of the button before the first frame releases the brake all the same', async ({ page }) => {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  // The press comes as soon as the button is in the page, however fast the machine: the form
  // is then still being painted off screen, and the canvas has not been given its size. Whether
  // it had, when the press came, is kept on the button.
  await page.addInitScript(() => new MutationObserver((records, observer) => {
    const button = document.querySelector('.command-button');
    if (!button) return;
    observer.disconnect();
    button.dataset.canvasAtPress = document.querySelector('canvas').width;
    button.click();
  }).observe(document, { childList: true, subtree: true }));
  await page.goto('/');

  const unsized = await page.evaluate(() => document.createElement('canvas').width);
  await expect(page.getByRole('button', { name: 'Vangen' })).toHaveAttribute('data-canvas-at-press', String(unsized));
  // Wind 10: a sail tick every 600 ms takes it into the field.
  await expect(field(page, 'Enden')).toHaveValue('10');
  await expectNoErrors(errors);
});
