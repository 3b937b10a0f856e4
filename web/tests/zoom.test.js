// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The user zooms the fitted frame and pans it: Ctrl with + and 0, the caption bar's buttons, two
// fingers; the focused control stays in view, and the canvas is painted at the zoomed pixels.
import { expect, expectNoErrors, openHeld, test } from './support.js';
import { Devices, contextOf } from './devices.js';

// The frame, its caption bar and the client area on screen, the canvas's own pixels, the ratio.
const view = (page) => page.evaluate(() => {
  const box = (selector) => {
    const { left, top, width, height } = document.querySelector(selector).getBoundingClientRect();
    return { left, top, width, height };
  };
  const canvas = document.querySelector('canvas');
  return { frame: box('.frame'), caption: box('.caption-bar'), client: box('.client'),
    canvas: { width: canvas.width, height: canvas.height }, ratio: devicePixelRatio };
});

const stops = (page) => page.locator('.frame input:not([hidden]), .command-button, .frame [role="slider"]');

for (const name of ['laptop', 'phone portrait']) {
  test.describe(name, () => {
    test.use(contextOf(Devices.find((device) => device.name === name)));

    test('Ctrl + twice enlarges frame and captions half again, sharp; Tab keeps the focus in view; Ctrl 0 fits', async ({ page }) => {
      const errors = await openHeld(page, { fitted: true });
      const fitted = await view(page);
      await page.keyboard.press('Control+Equal');
      await page.keyboard.press('Control+Equal');
      await page.clock.runFor(17);
      const zoomed = await view(page);
      expect(zoomed.frame.width / fitted.frame.width).toBeGreaterThanOrEqual(1.5 - 0.01);
      expect(zoomed.caption.height / fitted.caption.height).toBeGreaterThanOrEqual(1.5 - 0.01);
      // Sharp: a canvas pixel for every device pixel the zoomed client area covers.
      expect(Math.abs(zoomed.canvas.width - zoomed.client.width * zoomed.ratio)).toBeLessThanOrEqual(10);
      expect(zoomed.canvas.width / fitted.canvas.width).toBeGreaterThanOrEqual(1.5 - 0.01);
      const { clientWidth, clientHeight } = await page.evaluate(() =>
        ({ clientWidth: document.documentElement.clientWidth, clientHeight: document.documentElement.clientHeight }));
      for (let i = 0; i < (await stops(page).count()); i++) {
        if (i > 0) await page.keyboard.press('Tab');
        const box = await page.evaluate(() => document.activeElement.getBoundingClientRect().toJSON());
        expect(box.left).toBeGreaterThanOrEqual(0);
        expect(box.top).toBeGreaterThanOrEqual(0);
        expect(box.right).toBeLessThanOrEqual(clientWidth);
        expect(box.bottom).toBeLessThanOrEqual(clientHeight);
      }
      await page.keyboard.press('Control+0');
      await page.clock.runFor(17);
      expect(await view(page)).toEqual(fitted);
      await expectNoErrors(errors);
    });
  });
}

test('the caption bar\'s buttons zoom in and out in steps, never below the fit, and fit again', async ({ page }) => {
  const errors = await openHeld(page);
  const fitted = await view(page);
  const button = (name) => page.getByRole('button', { name, exact: true });
  await button('Uitzoomen').click();
  expect((await view(page)).frame).toEqual(fitted.frame);
  const widths = [];
  for (let i = 0; i < 6; i++) {
    await button('Inzoomen').click();
    widths.push((await view(page)).frame.width / fitted.frame.width);
  }
  expect(widths.map((w) => Number(w.toFixed(2)))).toEqual([1.25, 1.5, 2, 3, 4, 4]);
  await button('Uitzoomen').click();
  expect((await view(page)).frame.width / fitted.frame.width).toBeCloseTo(3, 2);
  await button('Passend maken').click();
  await page.clock.runFor(17);
  expect(await view(page)).toEqual(fitted);
  await expectNoErrors(errors);
});

test('zoomed, dragging the background and the arrow keys pan the view', async ({ page }) => {
  const errors = await openHeld(page);
  await page.keyboard.press('Control+Equal');
  await page.keyboard.press('Control+Equal');
  const before = (await view(page)).frame;
  // The mill's drawing, right of the sliders and under the banner: background.
  const client = (await view(page)).client;
  const [x, y] = [client.left + client.width * 0.45, client.top + client.height * 0.45];
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(x + 60, y + 40, { steps: 4 });
  await page.mouse.up();
  const dragged = (await view(page)).frame;
  expect(dragged.left - before.left).toBeCloseTo(60, 0);
  expect(dragged.top - before.top).toBeCloseTo(40, 0);
  await page.keyboard.press('ArrowLeft'); // the button has the focus: it takes no arrows
  expect((await view(page)).frame.left - dragged.left).toBeCloseTo(40, 0);
  await expectNoErrors(errors);
});

test.describe('on a phone', () => {
  test.use(contextOf(Devices.find(({ name }) => name === 'phone portrait')));

  test('two fingers spread apart zoom the frame and paint it at the zoomed pixels', async ({ page, context }) => {
    const errors = await openHeld(page, { fitted: true });
    const fitted = await view(page);
    const cdp = await context.newCDPSession(page);
    const { client } = fitted;
    const [cx, cy] = [client.left + client.width * 0.6, client.top + client.height * 0.4];
    const fingers = (type, spread) => cdp.send('Input.dispatchTouchEvent', { type,
      touchPoints: type === 'touchEnd' ? [] : [{ x: cx - spread, y: cy, id: 1 }, { x: cx + spread, y: cy, id: 2 }] });
    await fingers('touchStart', 20);
    for (let spread = 25; spread <= 60; spread += 5) await fingers('touchMove', spread);
    await fingers('touchEnd');
    await page.clock.runFor(17);
    const pinched = await view(page);
    expect(pinched.frame.width / fitted.frame.width).toBeCloseTo(3, 1); // 120 / 40 apart
    expect(Math.abs(pinched.canvas.width - pinched.client.width * pinched.ratio)).toBeLessThanOrEqual(10);
    // The page's own zoom, not the browser's: the page is not scaled under the fingers.
    expect(await page.evaluate(() => visualViewport.scale)).toBe(1);
    await expectNoErrors(errors);
  });
});
