// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an app a browser installs: Chromium's own verdict, the manifest's names and
// colours against what the page shows, and icons of the sizes the manifest gives.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromiumOptions } from '../playwright.config.js';
import { expect, picture, test } from './support.js';

async function open(page) {
  await page.goto('/');
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
}

const manifestOf = (page) => page.evaluate(async () =>
  (await fetch(document.querySelector('link[rel="manifest"]').href)).json());

const hex = ([r, g, b]) => `#${[r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('')}`;

test('Chromium finds nothing that keeps the page from being installed', async ({ playwright, baseURL }) => {
  // A private window never installs anything, so this browser keeps a profile of its own.
  const profile = mkdtempSync(join(tmpdir(), 'molen-install-'));
  const context = await playwright.chromium.launchPersistentContext(profile, { ...chromiumOptions, baseURL });
  try {
    const page = await context.newPage();
    await open(page);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    expect(installabilityErrors).toEqual([]);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
});

test('the manifest names the mill in the colours the page shows', async ({ page }) => {
  await page.clock.install({ time: 0 }); // time held: nothing moves into the point read below
  await page.clock.pauseAt(1000);
  await open(page);
  const manifest = await manifestOf(page);
  expect(manifest).toMatchObject({ name: 'Molen', display: 'standalone', start_url: './', scope: './' });
  expect(manifest.short_name).toBe('Molen');
  // The description speaks of what the page's sliders set, in the words of their captions.
  const description = await page.locator('meta[name="description"]').getAttribute('content');
  const sliders = await page.getByRole('slider').evaluateAll((bars) => bars.map((bar) => bar.ariaLabel
    ?? document.getElementById(bar.getAttribute('aria-labelledby')).textContent));
  expect(sliders).toHaveLength(3);
  for (const name of sliders) expect(description).toContain(name.trim().toLowerCase());
  expect(manifest.description).toBe(description);
  // The browser's bar takes the frame's colour; a starting app shows the form's own background,
  // as its client area is painted where no control stands (left of the stone, below the banner).
  await expect(page.locator('meta[name="theme-color"]')).toHaveAttribute('content', manifest.theme_color);
  const frame = await page.locator('.frame').evaluate((e) => getComputedStyle(e).backgroundColor);
  expect(hex(frame.match(/\d+/g).map(Number))).toBe(manifest.theme_color);
  expect(hex((await picture(page)).at(60, 1500))).toBe(manifest.background_color);
});

// Each icon's size as decoded, and for the maskable one whether anything but its background
// lies outside the circle of 80% of its side that any mask keeps.
function measureIcon(src) {
  return (async () => {
    const bitmap = new Image();
    bitmap.src = src;
    await bitmap.decode();
    const [width, height] = [bitmap.naturalWidth, bitmap.naturalHeight];
    const context = new OffscreenCanvas(width, height).getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const { data } = context.getImageData(0, 0, width, height);
    const corner = data.slice(0, 4).join();
    let outside = 0;
    let inside = 0;
    for (let y = 0; y < height; y++) {
      for (let x = 0; x < width; x++) {
        const i = (y * width + x) * 4;
        if (data.slice(i, i + 4).join() === corner) continue;
        if (Math.hypot(x + 0.5 - width / 2, y + 0.5 - height / 2) > 0.4 * width) outside++;
        else inside++;
      }
    }
    return { size: `${width}x${height}`, corner: data.slice(0, 3), outside, inside };
  })();
}

test('every icon the manifest names is there at its size, the maskable one inside its safe zone', async ({ page }) => {
  await open(page);
  const { icons, theme_color: theme } = await manifestOf(page);
  const pngs = icons.filter((icon) => icon.type === 'image/png');
  expect(pngs.map((icon) => icon.sizes).sort()).toEqual(['192x192', '512x512', '512x512']);
  expect(icons.some((icon) => icon.type === 'image/svg+xml')).toBe(true);
  for (const icon of icons) {
    const found = await page.evaluate(measureIcon, new URL(icon.src, page.url()).href);
    if (icon.sizes !== 'any') expect(found.size).toBe(icon.sizes);
    expect(found.inside).toBeGreaterThan(0);
    if (icon.purpose === 'maskable') {
      expect(hex(found.corner)).toBe(theme);
      expect(found.outside).toBe(0);
    }
  }
});
