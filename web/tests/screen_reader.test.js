// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a screen reader meets it: the advice in a polite live region, announced once each
// time it appears; the readouts as plain text to read when asked; the button named by its
// caption; and no accessibility violation that axe-core finds, braked or running.
import AxeBuilder from '@axe-core/playwright';
import { expect, expectNoErrors, openHeld, pass, slider, test } from './support.js';

const Advice = 'Zwichten is aangeraden';
const LiveRoles = ['status', 'alert', 'log', 'marquee', 'timer'];

// Every update of the live region from now on, as the text it leaves: a screen reader announces
// the updates that leave text in a polite region, and none that empty it.
async function watchLiveRegion(page) {
  await page.getByRole('status').evaluate((region) => {
    window.regionUpdates = [];
    new MutationObserver(() => window.regionUpdates.push(region.textContent))
      .observe(region, { childList: true, characterData: true, subtree: true });
  });
}
const regionUpdates = (page) => page.evaluate(() => window.regionUpdates);

async function violations(page) {
  const { violations: found } = await new AxeBuilder({ page }).analyze();
  return found.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(', ')}`);
}

test('the advice is announced once each time it appears, and not as it goes', async ({ page }) => {
  const errors = await openHeld(page);
  const region = page.getByRole('status');
  await expect(region).toHaveAttribute('aria-live', 'polite');
  await expect(region).toHaveText('');
  await watchLiveRegion(page);
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const wind = slider(page, 'Wind');
  await wind.focus();
  await wind.press('End'); // 140 sail passes a minute: the sail tick every 43 ms
  await pass(page, 1000);
  await expect(region).toHaveText(Advice);
  await pass(page, 3000); // some seventy sail ticks more, each showing the advice again
  expect(await regionUpdates(page)).toEqual([Advice]);
  await wind.press('Home');
  await pass(page, 1000);
  await expect(region).toHaveText('');
  await wind.press('End');
  await pass(page, 1000);
  expect(await regionUpdates(page)).toEqual([Advice, '', Advice]);
  await page.getByRole('button', { name: 'Vangen' }).click(); // braked, the advice stays
  await pass(page, 1000);
  expect(await regionUpdates(page)).toEqual([Advice, '', Advice]);
  await expectNoErrors(errors);
});

test('the readouts are plain text, in no live region', async ({ page }) => {
  const errors = await openHeld(page);
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  await expect(page.getByRole('button', { name: 'Vangen' })).toBeFocused();
  await pass(page, 1000);
  // 10 / 4 x 4.5 turns a minute; pi x 1.4 x 10 x 4.5 / 240 m/s; 60 / 10 s.
  for (const text of ['Toerental loper  11.25   toeren/minuut', 'Omtreksnelheid loper  0.82  m/sec',
    'Interval tussen 2 enden is  6.00 sec']) {
    const readout = page.getByRole('paragraph').filter({ hasText: text });
    await expect(readout).toHaveCount(1);
    const live = await readout.evaluate((element, roles) => element.closest(
      ['[aria-live]', ...roles.map((role) => `[role="${role}"]`)].join(', ')) !== null, LiveRoles);
    expect(live, text).toBe(false);
  }
  await expect(page.locator('[aria-live]')).toHaveCount(1); // the advice's region alone
  await expectNoErrors(errors);
});

test('axe-core finds no violation, braked, running or advising', async ({ page }) => {
  await page.goto('/');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  expect(await violations(page), 'braked').toEqual([]);
  await page.keyboard.press('Space');
  await expect(page.getByRole('button', { name: 'Vangen' })).toBeFocused();
  expect(await violations(page), 'running').toEqual([]);
  const wind = slider(page, 'Wind');
  await wind.focus();
  await wind.press('End');
  await expect(page.getByRole('status')).toHaveText(Advice);
  expect(await violations(page), 'advising').toEqual([]);
});
