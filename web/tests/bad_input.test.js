// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's table of bad entries typed into the three visible fields while the mill runs,
// at the slowest and the strongest wind: the ticks go on, nothing reads "inf" or "nan", the
// timers keep intervals a timer can take, the next sail tick brings the wind field back, and
// the page reports no error.
import { expect, test } from '@playwright/test';
import { expectNoErrors, field, openHeld, pass, slider } from './support.js';

const Entries = [
  ['Empty', ''], ['Blanks', '   '], ['Letters', 'abc'], ['Zero', '0'], ['NegativeZero', '-0'],
  ['Negative', '-5'], ['Tiny', '0.0001'], ['BeyondADouble', '1e400'],
  ['BelowADouble', '1e-400'], ['NotANumber', 'nan'], ['Infinity', 'inf'],
  ['Hexadecimal', '0x10'], ['CommaDecimal', '1,5'], ['ArabicIndicDigit', '\u0663'],
  ['Emoji', '\u{1F32C}'], ['ControlCharacter', '\u0007'], ['ThirtyThousandDigits', '7'.repeat(30000)],
  ['SignAlone', '-'], ['MillisecondInterval', '6000'], ['Padded', '  12  '],
  ['FullwidthDigits', '\uFF11\uFF12'], ['ThirtyThousandNines', '9'.repeat(30000)],
];
const Fields = ['Enden', 'Overbrengings factor ', 'Diameter loper'];

const readsAsNonFinite = (text) => /inf|nan/i.test(text);

// Every text the page shows, but the user's own entry, is finite, and both drive timers keep
// intervals of 1 to 65,535 ms.
async function expectSane(page, entry, after) {
  const texts = await page.evaluate(() => [
    ...[...document.querySelectorAll('input')].map((input) => input.value),
    ...[...document.querySelectorAll('.readouts p')].map((p) => p.textContent),
  ]);
  for (const text of texts) {
    if (text !== entry) expect(readsAsNonFinite(text), `"${text}" after ${after}`).toBe(false);
  }
  const intervals = await page.evaluate(() => {
    const { mill, timers } = window.molenPage;
    return ['Timer1', 'Timer2'].map((name) => timers.interval(mill.find(name)));
  });
  for (const interval of intervals) {
    expect(interval).toBeGreaterThanOrEqual(1);
    expect(interval).toBeLessThanOrEqual(65535);
  }
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
      await expectSane(page, entry, 'typing');
      await pass(page, period - 17); // the stone works with the entered wind
      await expectSane(page, entry, 'the stone tick');
      await expect(field(page, 'Overbrengings factor ')).toHaveValue('4.5');
      await expect(field(page, 'Diameter loper')).toHaveValue('1.4');
      await pass(page, period);
      await expect(field(page, 'Enden')).toHaveValue(String(wind));
      await expectSane(page, entry, 'the sail and stone ticks');
      await expectNoErrors(errors);
    });
  }
}
