// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page where something it needs does not arrive: without the caption face the mill runs
// in the browser's own face; without its module, its script, WebAssembly or JavaScript, the
// client area says in Dutch what went wrong and what to try, rather than stay an empty box.
import { Red, expect, near, picture, test } from './support.js';

const NotArrived = /De molen kon niet laden: een deel van de pagina kwam niet aan\. Controleer de verbinding/;
const NoWebAssembly = /Deze browser kan de molen niet draaien: WebAssembly ontbreekt of staat uit/;
const NoScript = /De molen heeft JavaScript nodig/;
const FormGrey = [192, 192, 192]; // the form's BackColor, &H00C0C0C0&

// How many pixels of a box given in twips differ from the form's grey.
function inkIn(shot, { left, top, width, height }) {
  let ink = 0;
  for (let x = left; x < left + width; x += 15)
    for (let y = top; y < top + height; y += 15) ink += !near(shot.at(x, y), FormGrey, 40);
  return ink;
}

test('without the caption face the mill runs, its captions in the browser\'s own face', async ({ page }) => {
  await page.route('**/*.woff2', (route) => route.abort());
  await page.goto('/');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  await expect.poll(async () => (await picture(page)).at(5000, 2400)).toEqual(Red);
  expect(await page.evaluate(() => [...document.fonts].map((face) => face.status)))
    .toEqual(['error', 'error']);
  // "Interval tussen 2 enden", Label9 at (7560, 6960), 1815 x 375 twips, is written.
  expect(inkIn(await picture(page), { left: 7560, top: 6960, width: 1815, height: 375 })).toBeGreaterThan(10);
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  await expect(page.getByRole('textbox', { name: 'Enden' })).toHaveValue('10');
});

const missing = [
  { what: 'the module', route: '**/js/molen.wasm', says: NotArrived },
  { what: 'the script', route: '**/js/main.js', says: NotArrived },
];
for (const { what, route, says } of missing) {
  test(`without ${what} the client area says what went wrong`, async ({ page }) => {
    await page.route(route, (r) => r.abort());
    await page.goto('/');
    await expect(page.locator('.client').getByRole('alert')).toHaveText(says);
    await expect(page.locator('.client canvas')).toBeHidden();
  });
}

test('without WebAssembly the client area says the browser cannot run the mill', async ({ page }) => {
  await page.addInitScript(() => { delete window.WebAssembly; });
  await page.goto('/');
  await expect(page.locator('.client').getByRole('alert')).toHaveText(NoWebAssembly);
});

test('without JavaScript the client area says the mill needs it', async ({ browser, baseURL }) => {
  const context = await browser.newContext({ javaScriptEnabled: false });
  const page = await context.newPage();
  await page.goto(baseURL);
  await expect(page.locator('.client').getByText(NoScript)).toBeVisible();
  await context.close();
});
