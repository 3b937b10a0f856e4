// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The running mill: the brake released, the sails and the stone turning, the wind set from the
// keyboard, and the advisory above a wind of 75.
import {
  DarkBlue, Red, expect, expectNoErrors, field, near, openHeld, pass, picture, samplesShowing, slider,
  test,
} from './support.js';

const HubX = 5000;
const HubY = 3600;
const SailLength = 1600;

// Line1, the red sail, at `degrees`: it turns anticlockwise from upright.
function redSail(degrees) {
  const theta = (degrees * Math.PI) / 180;
  return [HubX, HubY, HubX - Math.sin(theta) * SailLength, HubY - Math.cos(theta) * SailLength];
}

// The dark blue pixels inside the stone's disc, (650, 2600) 1935 x 1600.
function stonePixels(shot) {
  const found = [];
  for (let x = 800; x < 2400; x += 15) {
    for (let y = 2600; y < 4200; y += 15) if (near(shot.at(x, y), DarkBlue, 80)) found.push(`${x},${y}`);
  }
  return found.join(' ');
}

let errors;
test.beforeEach(async ({ page }) => {
  errors = await openHeld(page);
});
test.afterEach(() => expectNoErrors(errors));

test('the button releases the brake and the first sail tick turns sails and stone', async ({ page }) => {
  const stoneBefore = stonePixels(await picture(page));
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  await expect(page.getByRole('button', { name: 'Vangen' })).toBeFocused();
  await pass(page, 1000); // the sail tick: wind 10, so every 600 ms from here
  await expect(field(page, 'Enden')).toHaveValue('10');
  await pass(page, 600); // the second sail tick draws the sails at 1 + 10 degrees
  const shot = await picture(page);
  expect(samplesShowing(shot, redSail(11), Red)).toBeGreaterThanOrEqual(9);
  expect(shot.at(5000, 2100)).not.toEqual(Red); // the upright position is cleared
  expect(stonePixels(shot)).not.toEqual(stoneBefore);
  await expect(field(page, 'Overbrengings factor ')).toHaveValue('4.5');
  await expect(field(page, 'Diameter loper')).toHaveValue('1.4');
  // 10 / 4 x 4.5 turns a minute; pi x 1.4 x 10 x 4.5 / 240 m/s.
  await expect(page.getByText('Toerental loper  11.25   toeren/minuut')).toBeAttached();
  await expect(page.getByText('Omtreksnelheid loper  0.82  m/sec')).toBeAttached();
  await expect(page.getByText('Interval tussen 2 enden is  6.00 sec')).toBeAttached();

  await page.getByRole('button', { name: 'Vangen' }).press('Space');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeVisible();
  const braked = await picture(page);
  await pass(page, 2000);
  expect(samplesShowing(await picture(page), redSail(11), Red)).toBe(samplesShowing(braked, redSail(11), Red));
});

test('a wind set from the keyboard reaches the wind field at the next sail tick', async ({ page }) => {
  await page.getByRole('button', { name: 'Licht de vang' }).press('Enter');
  await pass(page, 1000);
  const wind = slider(page, 'Wind');
  await wind.focus();
  await wind.press('ArrowDown');
  await expect(wind).toHaveAttribute('aria-valuenow', '11');
  await expect(field(page, 'Enden')).toHaveValue('10');
  await pass(page, 600);
  await expect(field(page, 'Enden')).toHaveValue('11');
});

test('the advisory shows above a wind of 75 only', async ({ page }) => {
  const advisoryIsRed = async () => {
    const shot = await picture(page);
    let red = 0;
    for (let x = 7440; x < 7440 + 2055; x += 15) {
      for (let y = 7920; y < 7920 + 375; y += 15) red += near(shot.at(x, y), Red);
    }
    return red > 0;
  };
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const wind = slider(page, 'Wind');
  await wind.focus();
  for (let i = 0; i < 65; i++) await wind.press('ArrowDown');
  await expect(wind).toHaveAttribute('aria-valuenow', '75');
  await pass(page, 1000);
  expect(await advisoryIsRed()).toBe(false);
  await wind.press('ArrowDown');
  await pass(page, 80); // 6000 / 75 ms
  expect(await advisoryIsRed()).toBe(true);
  await expect(page.getByText('Zwichten is aangeraden')).toBeAttached();
  await wind.press('End');
  await pass(page, 79);
  await expect(field(page, 'Enden')).toHaveValue('140');
  expect(await advisoryIsRed()).toBe(true);
  await expect(page.getByText('Interval tussen 2 enden is  0.43 sec')).toBeAttached();
});
