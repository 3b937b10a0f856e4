// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame as a window: resized by its corner, the banner comes back in at its right edge;
// the keyboard reaches every control in the desktop's tab order; the sliders act as sliders.
import { DarkBlue, expect, expectNoErrors, near, openHeld, pass, picture, slider, test } from './support.js';

let errors;
test.beforeEach(async ({ page }) => {
  errors = await openHeld(page);
});
test.afterEach(() => expectNoErrors(errors));

// Whether any dark blue shows in the banner's strip, Label10 at Top 20, 495 twips high.
async function bannerShows(page, fromX, toX) {
  const shot = await picture(page);
  for (let x = fromX; x < toX; x += 15) {
    for (let y = 20; y < 20 + 495; y += 15) if (near(shot.at(x, y), DarkBlue, 60)) return true;
  }
  return false;
}

test('the banner comes back in from the left past the resized frame', async ({ page }) => {
  const frame = page.locator('.frame');
  const box = await frame.boundingBox();
  await page.mouse.move(box.x + box.width - 9, box.y + box.height - 9);
  await page.mouse.down();
  await page.mouse.move(box.x + 400, box.y + box.height - 100, { steps: 5 });
  await page.mouse.up();
  const outer = (await frame.boundingBox()).width;
  expect(outer).toBeLessThan(420);
  // One banner tick has run: Left is -2280, and 20 more each tick until it passes the width.
  const width = outer * 15;
  const ticks = Math.floor((width + 2280) / 20); // the last tick before it passes
  await pass(page, ticks * 20 - 17);
  expect(await bannerShows(page, 0, 2280 + 5295)).toBe(false);
  await pass(page, 20 - 17 + 20);
  expect(await bannerShows(page, 0, -2280 + 5295)).toBe(true);
});

test('tab order and first focus are those of the desktop', async ({ page }) => {
  const order = [
    ['button', 'Licht de vang'], ['textbox', 'Enden'], ['slider', 'Wind'],
    ['textbox', 'Overbrengings factor '], ['slider', 'Overbrengings factor '],
    ['textbox', 'Diameter loper'], ['slider', 'Diameter loper'], ['button', 'Licht de vang'],
  ];
  for (const [index, [role, name]] of order.entries()) {
    if (index > 0) await page.keyboard.press('Tab');
    await expect(page.getByRole(role, { name, exact: true })).toBeFocused();
  }
  await page.keyboard.press('Shift+Tab');
  await expect(slider(page, 'Diameter loper')).toBeFocused();
});

test('the sliders take the desktop keys and say what they are', async ({ page }) => {
  const cases = [
    ['Wind', 'vertical', 10, 140, 'ArrowDown', 'ArrowUp'],
    ['Overbrengings factor ', 'horizontal', 100, 900, 'ArrowRight', 'ArrowLeft'],
    ['Diameter loper', 'horizontal', 100, 190, 'ArrowRight', 'ArrowLeft'],
  ];
  for (const [name, orientation, min, max, raise, lower] of cases) {
    const bar = slider(page, name);
    await expect(bar).toHaveAttribute('aria-orientation', orientation);
    await expect(bar).toHaveAttribute('aria-valuemin', String(min));
    await expect(bar).toHaveAttribute('aria-valuemax', String(max));
    await bar.focus();
    await bar.press('Home');
    await expect(bar).toHaveAttribute('aria-valuenow', String(min));
    await bar.press(lower);
    await expect(bar).toHaveAttribute('aria-valuenow', String(min));
    for (const [key, value] of [[raise, min + 1], [raise, min + 2], ['PageDown', min + 3],
      ['PageUp', min + 2], [lower, min + 1], ['End', max], [raise, max]]) {
      await bar.press(key);
      await expect(bar, `${name} after ${key}`).toHaveAttribute('aria-valuenow', String(value));
    }
  }
});

test('a slider moves by its arrows, its track, its thumb and the wheel', async ({ page }) => {
  const bar = slider(page, 'Diameter loper');
  const higher = bar.locator('.higher');
  const lower = bar.locator('.lower');
  await higher.click();
  await expect(bar).toHaveAttribute('aria-valuenow', '141');
  await expect(bar).toBeFocused();
  await lower.click();
  await lower.click();
  await expect(bar).toHaveAttribute('aria-valuenow', '139');
  const track = await bar.locator('.track').boundingBox();
  await page.mouse.click(track.x + track.width - 2, track.y + track.height / 2);
  await expect(bar).toHaveAttribute('aria-valuenow', '140'); // one step towards the pointer
  const thumb = await bar.locator('.thumb').boundingBox();
  await page.mouse.move(thumb.x + thumb.width / 2, thumb.y + thumb.height / 2);
  await page.mouse.down();
  await page.mouse.move(track.x + track.width + 50, thumb.y + thumb.height / 2, { steps: 4 });
  await page.mouse.up();
  await expect(bar).toHaveAttribute('aria-valuenow', '190');
  await bar.hover();
  await page.mouse.wheel(0, -100); // one notch away from the user: a step down
  await expect(bar).toHaveAttribute('aria-valuenow', '189');
});

test('after a long stall, as of a tab in the background, the ticks go on calmly', async ({ page }) => {
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  await pass(page, 1000);
  // The banner moves 20 twips a tick, so where its text ends tells how many ticks have run.
  const bannerEnd = async () => {
    const shot = await picture(page);
    for (let x = 10870; x > 0; x -= 5) { // the client's last column is 10860 to 10874
      for (let y = 20; y < 20 + 495; y += 15) if (near(shot.at(x, y), DarkBlue, 60)) return x;
    }
    return null;
  };
  const before = await bannerEnd();
  await page.clock.fastForward(10_000); // every timer fires once, ten seconds late
  await page.clock.runFor(100);
  await pass(page, 0);
  // One late banner tick, then 100 ms of them: nothing of the ten seconds' 500 ticks.
  const moved = (await bannerEnd()) - before;
  expect(moved).toBeGreaterThan(0);
  expect(moved).toBeLessThanOrEqual(20 * (1 + 100 / 20 + 1) + 15);
});
