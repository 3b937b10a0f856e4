// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first screen: braked, the advisory hidden, the banner at its start, the sliders at their
// loaded values and the fields empty; at device pixel ratios 1 and 2.
import { DarkBlue, Red, expect, expectNoErrors, field, near, openHeld, picture, slider, test } from './support.js';

for (const ratio of [1, 2]) {
  test.describe(`at device pixel ratio ${ratio}`, () => {
    test.use({ deviceScaleFactor: ratio });

    test('the first screen is braked with the banner at its start', async ({ page }) => {
      const errors = await openHeld(page);
      await expect(page).toHaveTitle('  ZAVELTOP SOFTWARE');
      await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
      await expect(slider(page, 'Wind')).toHaveAttribute('aria-valuenow', '10');
      await expect(slider(page, 'Overbrengings factor ')).toHaveAttribute('aria-valuenow', '450');
      await expect(slider(page, 'Diameter loper')).toHaveAttribute('aria-valuenow', '140');
      for (const name of ['Enden', 'Overbrengings factor ', 'Diameter loper'])
        await expect(field(page, name)).toHaveValue('');
      await expect(page.getByRole('textbox')).toHaveCount(3); // the hidden fields are hidden

      const shot = await picture(page);
      // Label1 (7440, 7920, 2055 x 375): no red anywhere in its box.
      for (let x = 7440; x < 7440 + 2055; x += 15) {
        for (let y = 7920; y < 7920 + 375; y += 15) expect(shot.at(x, y)).not.toEqual(Red);
      }
      // Label10 moved to -2300 and one tick on: its 5295 twips end before x = 3015.
      let blueBefore = 0;
      let blueAfter = 0;
      for (let x = 0; x < 10875; x += 15) {
        for (let y = 20; y < 20 + 495; y += 15) {
          if (!near(shot.at(x, y), DarkBlue, 60)) continue;
          if (x < -2300 + 20 + 5295) blueBefore++;
          else blueAfter++;
        }
      }
      expect(blueBefore).toBeGreaterThan(50);
      expect(blueAfter).toBe(0);
      // The red sail upright from the hub (5000, 3600) to (5000, 2000), 15 pixels wide, behind the cap.
      for (let y = 2200; y < 2900; y += 100) expect(shot.at(5000, y)).toEqual(Red);
      await expectNoErrors(errors);
    });
  });
}
