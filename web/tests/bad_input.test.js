// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's table of bad entries typed into the three visible fields while the mill runs,
// at the slowest and the strongest wind: nothing reads "inf" or "nan", the next sail tick brings
// the wind field back, sails and stone keep turning, and the page reports no error.
import { readFileSync } from 'node:fs';
import { expect, expectNoErrors, field, openHeld, pass, slider, test } from './support.js';

// The table the desktop's tests type too, each entry's text or a character repeated.
const Table = JSON.parse(readFileSync(new URL('../../tests/data/bad_input.json', import.meta.url)));
const Entries = Table.map(({ name, text, repeat, times }) => [name, text ?? repeat.repeat(times)]);
const Fields = ['Enden', 'Overbrengings factor ', 'Diameter loper'];

const readsAsNonFinite = (text) => /inf|nan/i.test(text);

// Every text the page shows, but the user's own entry, is finite.
async function expectFinite(page, entry, after) {
  const texts = await page.evaluate(() => [
    ...[...document.querySelectorAll('input')].map((input) => input.value),
    ...[...document.querySelectorAll('.readouts p')].map((p) => p.textContent),
  ]);
  for (const text of texts) {
    if (text !== entry) expect(readsAsNonFinite(text), `"${text}" after ${after}`).toBe(false);
  }
}

// Both drive timers keep ticking at intervals a timer can take: within a second the stone's
// readout of its angle and the sails' of theirs (the hidden fields) change.
async function expectTicking(page, after) {
  const angles = () => page.evaluate(() => [...document.querySelectorAll('input[hidden]')]
    .map((input) => input.value).join('|'));
  const before = await angles();
  await pass(page, 1000);
  expect(await angles(), `the ticks after ${after}`).not.toEqual(before);
}

for (const wind of [10, 140]) {
  const period = Math.round(6000 / wind);
  for (const [name, entry] of Entries) {
    test(`${name} at wind ${wind}`, async ({ page }) => {
      const errors = await openHeld(page);
      const bar = slider(page, 'Wind');
      await bar.focus();
      await bar.press(wind === 140 ? 'End' : 'Home');
      await page.getByRole('button', { name: 'Licht de vang' }).click();
      await pass(page, 1000); // the first sail tick, and stone ticks after it
      for (const label of Fields) {
        const input = field(page, label);
        await input.focus();
        await input.press('Control+A');
        await input.press('Backspace');
        if (entry) await page.keyboard.insertText(entry); // as an input method delivers it
      }
      await expectFinite(page, entry, 'typing');
      await pass(page, period - 17); // the stone works with the entered wind
      await expectFinite(page, entry, 'the stone tick');
      await expect(field(page, 'Overbrengings factor ')).toHaveValue('4.5');
      await expect(field(page, 'Diameter loper')).toHaveValue('1.4');
      await pass(page, period);
      await expect(field(page, 'Enden')).toHaveValue(String(wind));
      await expectFinite(page, entry, 'the sail and stone ticks');
      await expectTicking(page, name);
      await expectNoErrors(errors);
    });
  }
}
