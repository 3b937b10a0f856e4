// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger on a phone held sideways: it drags the wind slider's thumb, taps its arrows and its
// track, held on an arrow repeats as a held mouse button does, taps the button and a field. The
// arrows take a finger 24 CSS pixels along the bar at the form's own size.
import { Devices, contextOf } from './devices.js';
import { expect, expectNoErrors, field, openHeld, pass, slider, test } from './support.js';

const centre = async (locator) => {
  const box = await locator.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
};

// A finger put down at `from`, moved to `to` in steps and, unless `held`, lifted, as the
// screen reports it to the browser.
async function touch(page, from, to = from, { held = false } = {}) {
  const cdp = await page.context().newCDPSession(page);
  const at = ({ x, y }) => ({ touchPoints: [{ x, y, id: 1 }] });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', ...at(from) });
  for (let i = 1; i <= 5; i++) {
    const point = { x: from.x + ((to.x - from.x) * i) / 5, y: from.y + ((to.y - from.y) * i) / 5 };
    if (point.x !== from.x || point.y !== from.y) {
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', ...at(point) });
    }
  }
  const lift = () => cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  if (!held) await lift();
  return lift;
}

test.describe('on a phone held sideways', () => {
  test.use(contextOf(Devices.find(({ name }) => name === 'phone landscape')));
  let errors;
  test.beforeEach(async ({ page }) => {
    errors = await openHeld(page, { fitted: true });
  });
  test.afterEach(() => expectNoErrors(errors));

  test('a finger drags the wind slider to its ends', async ({ page }) => {
    const wind = slider(page, 'Wind');
    const track = await wind.locator('.track').boundingBox();
    const thumb = await centre(wind.locator('.thumb'));
    await touch(page, thumb, { x: thumb.x, y: track.y + track.height + 40 });
    await expect(wind).toHaveAttribute('aria-valuenow', '140');
    await expect(wind).toBeFocused();
    const down = await centre(wind.locator('.thumb'));
    await touch(page, down, { x: down.x, y: track.y - 40 });
    await expect(wind).toHaveAttribute('aria-valuenow', '10');
  });

  test('taps on the arrows and the track step, a finger held on an arrow repeats', async ({ page }) => {
    const ratio = slider(page, 'Overbrengings factor ');
    await page.touchscreen.tap(...Object.values(await centre(ratio.locator('.higher'))));
    await expect(ratio).toHaveAttribute('aria-valuenow', '451');
    await page.touchscreen.tap(...Object.values(await centre(ratio.locator('.lower'))));
    await expect(ratio).toHaveAttribute('aria-valuenow', '450');
    const track = await ratio.locator('.track').boundingBox();
    await page.touchscreen.tap(track.x + track.width - 3, track.y + track.height / 2);
    await expect(ratio).toHaveAttribute('aria-valuenow', '451'); // LargeChange 1, towards the tap
    const lift = await touch(page, await centre(ratio.locator('.higher')), undefined, { held: true });
    await expect(ratio).toHaveAttribute('aria-valuenow', '452');
    await pass(page, 1000);
    const held = Number(await ratio.getAttribute('aria-valuenow'));
    expect(held).toBeGreaterThan(452 + 2);
    await lift();
    await pass(page, 1000);
    await expect(ratio).toHaveAttribute('aria-valuenow', String(held));
  });

  test('a tap presses the button and another puts the caret in a field', async ({ page }) => {
    await page.getByRole('button', { name: 'Licht de vang' }).tap();
    await expect(page.getByRole('button', { name: 'Vangen' })).toBeVisible();
    await field(page, 'Enden').tap();
    await expect(field(page, 'Enden')).toBeFocused();
    expect(await page.evaluate(() => [scrollX, scrollY])).toEqual([0, 0]);
  });
});

test('at the form\'s own size each arrow takes a finger 24 pixels along its bar', async ({ page }) => {
  const errors = await openHeld(page);
  for (const name of ['Wind', 'Overbrengings factor ', 'Diameter loper']) {
    const bar = slider(page, name);
    const vertical = (await bar.getAttribute('aria-orientation')) === 'vertical';
    for (const [end, outward] of [['.lower', -1], ['.higher', 1]]) {
      const arrow = await bar.locator(end).boundingBox();
      const middle = { x: arrow.x + arrow.width / 2, y: arrow.y + arrow.height / 2 };
      // 23.5 pixels out from the arrow's edge on the track's side: still inside its target.
      const inner = vertical ? arrow.y + (outward < 0 ? arrow.height : 0) : arrow.x + (outward < 0 ? arrow.width : 0);
      const reach = inner + outward * 23.5;
      const point = vertical ? { x: middle.x, y: reach } : { x: reach, y: middle.y };
      const hit = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y)?.className, point);
      expect(hit, `${name} ${end}`).toBe(`arrow ${end.slice(1)}`);
      expect(vertical ? arrow.width : arrow.height).toBeGreaterThanOrEqual(24);
    }
  }
  await expectNoErrors(errors);
});

test.describe('on a phone held upright', () => {
  test.use(contextOf(Devices.find(({ name }) => name === 'phone portrait')));

  test('the ratio slider and the button take a finger 24 pixels thick, no control covering another', async ({ page }) => {
    const errors = await openHeld(page, { fitted: true });
    // Above HScroll1 (720, 5280, 1815 x 375) only labels; below it Text4 31 form pixels away.
    const ratio = await slider(page, 'Overbrengings factor ').boundingBox();
    const button = await page.getByRole('button', { name: 'Licht de vang' }).boundingBox();
    for (const [box, owner] of [[ratio, '[role="slider"]'], [button, 'button']]) {
      // How far up and down from the middle of the control a finger still lands on it.
      const span = await page.evaluate(({ x, y, owner }) => {
        const reach = (step) => {
          let dy = 0;
          while (document.elementFromPoint(x, y + dy + step)?.closest(owner)) dy += step;
          return Math.abs(dy);
        };
        return reach(-0.25) + reach(0.25);
      }, { x: box.x + box.width / 2, y: box.y + box.height / 2, owner });
      expect(span, owner).toBeGreaterThanOrEqual(24 - 0.5); // hit testing falls on device pixels
    }
    // Every point of each control's own box is that control's.
    const covered = await page.evaluate(() => {
      const controls = [...document.querySelectorAll('.frame input:not([hidden]), .frame button, [role="slider"]')];
      const found = [];
      for (const control of controls) {
        const box = control.getBoundingClientRect();
        for (let x = box.left + 0.5; x < box.right; x += 1) {
          for (let y = box.top + 0.5; y < box.bottom; y += 1) {
            const hit = document.elementFromPoint(x, y);
            if (!control.contains(hit)) found.push(`${control.name || control.ariaLabel} at ${x},${y}`);
          }
        }
      }
      return found;
    });
    expect(covered).toEqual([]);
    await expectNoErrors(errors);
  });
});
