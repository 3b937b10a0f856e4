// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The banner can be stopped and let move again by everyone: the toggle in the caption bar by
// mouse, finger or screen reader, and its key; it stands from the start where the user asks for
// reduced motion. The sails and the stone go on turning all the same.
import { Red, expect, expectNoErrors, openHeld, pass, picture, test } from './support.js';
import { Devices, contextOf } from './devices.js';

const Stop = 'Lichtkrant stilzetten';
const Hint = 'De lopende tekst bovenin stilzetten of weer laten lopen';
const toggle = (page, pressed) => page.getByRole('button', { name: Stop, exact: true, pressed });

// The banner's strip, Label10 at Top 20, 495 twips high, across the whole client area: its
// device pixels as one string.
async function bannerStrip(page) {
  const shot = await picture(page);
  const rows = Math.ceil(((20 + 495) / 15) * shot.ratio);
  let strip = '';
  for (let y = 0; y < rows; y++) for (let x = 0; x < shot.width; x++) strip += shot.device(x, y).join(',');
  return strip;
}

// Whether the strip changes over two seconds of the page's clock, from the next frame on.
async function bannerMoves(page) {
  await pass(page, 0);
  const before = await bannerStrip(page);
  await pass(page, 2000);
  return (await bannerStrip(page)) !== before;
}

test('by default the banner moves, and the toggle says it is not pressed', async ({ page }) => {
  const errors = await openHeld(page);
  expect(await bannerMoves(page)).toBe(true);
  await expect(toggle(page, false)).toHaveAttribute('title', `${Hint} (Pause)`);
  await expect(toggle(page, false)).toHaveAttribute('aria-keyshortcuts', 'Pause');
  await expectNoErrors(errors);
});

test('where the user asks for reduced motion the banner stands from the start', async ({ page }) => {
  await page.emulateMedia({ reducedMotion: 'reduce' });
  const errors = await openHeld(page);
  await expect(toggle(page, true)).toBeAttached();
  expect(await bannerMoves(page)).toBe(false);
  await toggle(page, true).click(); // and the user may still let it move
  await expect(toggle(page, false)).toBeAttached();
  expect(await bannerMoves(page)).toBe(true);
  await expectNoErrors(errors);
});

test('stopped by a click, the banner stands while the sails turn; a second click lets it move', async ({ page }) => {
  const errors = await openHeld(page);
  await toggle(page, false).click();
  await expect(toggle(page, true)).toBeAttached();
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  await pass(page, 0);
  const before = await bannerStrip(page);
  await pass(page, 1600); // two sail ticks at wind 10: the upright sail has turned away
  expect(await bannerStrip(page)).toBe(before);
  expect((await picture(page)).at(5000, 2100)).not.toEqual(Red);
  await toggle(page, true).click();
  await expect(toggle(page, false)).toBeAttached();
  expect(await bannerMoves(page)).toBe(true);
  await expectNoErrors(errors);
});

test('the Pause key stops the banner and lets it move, wherever the focus is', async ({ page }) => {
  const errors = await openHeld(page);
  await page.getByRole('slider', { name: 'Wind' }).focus();
  await page.keyboard.press('Pause');
  await expect(toggle(page, true)).toBeAttached();
  expect(await bannerMoves(page)).toBe(false);
  await page.keyboard.press('Pause');
  await expect(toggle(page, false)).toBeAttached();
  expect(await bannerMoves(page)).toBe(true);
  await expectNoErrors(errors);
});

test.describe('on a phone', () => {
  test.use(contextOf(Devices.find(({ name }) => name === 'phone portrait')));

  test('a tap on the toggle stops the banner', async ({ page }) => {
    const errors = await openHeld(page, { fitted: true });
    await toggle(page, false).tap();
    await expect(toggle(page, true)).toBeAttached();
    expect(await bannerMoves(page)).toBe(false);
    await expectNoErrors(errors);
  });
});
