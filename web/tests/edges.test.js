// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page at the edges of its input: a fault in a tick's handling, the window losing the
// focus while an arrow is held, a canvas whose context the browser lost and gave back, and a
// field given a lone surrogate or a long text.
import {
  Red, TwipsPerPixel, expect, expectNoErrors, field, openHeld, pass, picture, slider, test,
} from './support.js';

// The banner's band, from the top of the client area to below the banner (Label10: top 240,
// 495 high), in device pixels, as one string.
async function bannerBand(page) {
  const shot = await picture(page);
  const bottom = Math.ceil(((240 + 495 + TwipsPerPixel) / TwipsPerPixel) * shot.ratio);
  const rows = [];
  for (let y = 0; y < bottom; y += 2) for (let x = 0; x < shot.width; x += 3) rows.push(shot.device(x, y).join());
  return rows.join(' ');
}

// In real time: a held clock would take the fault for its own.
test('a tick whose handling throws leaves its timer ticking, and the page says so', async ({ page }) => {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto('/');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  // A fault of the page's own: the next timer the page sets fails once.
  await page.evaluate(() => {
    const { setTimeout: set } = window;
    let planted = true;
    window.setTimeout = (...args) => {
      if (!planted) return set(...args);
      planted = false;
      throw new Error('planted fault');
    };
  });
  const note = page.getByRole('status').getByText('Er ging iets mis; de molen draait door.');
  await expect(note).toBeVisible();
  const [box, client] = [await note.boundingBox(), await page.locator('.client').boundingBox()];
  expect(box.y + box.height, 'the note is not over the form').toBeLessThanOrEqual(client.y);
  for (let i = 0; i < 3; i++) {
    const before = await bannerBand(page);
    await page.waitForTimeout(500);
    expect(await bannerBand(page), 'the banner scrolls on').not.toBe(before);
  }
  expect(errors).toEqual([expect.stringContaining('planted fault')]);
});

test('the window losing the focus lets go of a held arrow', async ({ page }) => {
  const errors = await openHeld(page);
  const wind = slider(page, 'Wind');
  const arrow = await wind.locator('.arrow.higher').boundingBox();
  await page.mouse.move(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
  await page.mouse.down();
  await pass(page, 800); // the press's step, then the repeats from 500 ms on
  const held = Number(await wind.getAttribute('aria-valuenow'));
  expect(held).toBeGreaterThan(11);
  await page.evaluate(() => window.dispatchEvent(new Event('blur'))); // as Alt+Tab does
  const value = await wind.getAttribute('aria-valuenow');
  await pass(page, 2000);
  await expect(wind).toHaveAttribute('aria-valuenow', value);
  await page.mouse.up();
  await expectNoErrors(errors);
});

// No script can make a browser lose a 2D context; the canvas is blanked as a lost context
// comes back (a canvas's size set anew clears it) and the browser's event then sent.
test('a canvas whose context comes back blank is painted again whole', async ({ page }) => {
  const errors = await openHeld(page);
  expect((await picture(page)).at(5000, 2400)).toEqual(Red); // the red sail, braked upright
  await page.evaluate(() => {
    const canvas = document.querySelector('.client canvas');
    canvas.width = canvas.width; // eslint-disable-line no-self-assign
    canvas.dispatchEvent(new Event('contextrestored'));
  });
  await pass(page, 20);
  expect((await picture(page)).at(5000, 2400)).toEqual(Red);
  await expectNoErrors(errors);
});

test('a field keeps a lone surrogate as typed, and takes at most what a desktop field does', async ({ page }) => {
  const errors = await openHeld(page);
  const diameter = field(page, 'Diameter loper');
  await expect(diameter).toHaveAttribute('maxlength', '32767'); // a desktop line edit's limit
  for (const text of ['1\uD800', '\uDC00', 'a\uD83D\uDE00\uDFFF']) {
    await diameter.evaluate((input, typed) => {
      input.value = typed;
      input.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertFromPaste' }));
    }, text);
    await pass(page, 1000);
    expect(await diameter.inputValue()).toBe(text);
  }
  await expectNoErrors(errors);
});
