// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's picture of the page: the mill running at a wind of 80 in headless Chromium,
// worked from the keyboard. Usage: node web/screenshot.mjs SITE_DIR OUT.png
import { chromium } from '@playwright/test';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join } from 'node:path';
import { chromiumOptions } from './playwright.config.js';

const [site, out] = process.argv.slice(2);
const Types = { '.js': 'text/javascript', '.wasm': 'application/wasm', '.css': 'text/css',
  '.svg': 'image/svg+xml', '.woff2': 'font/woff2' };
const server = createServer((request, response) => {
  const path = new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html');
  try {
    const body = readFileSync(join(site, path));
    response.writeHead(200, { 'Content-Type': Types[extname(path)] || 'text/html' }).end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));

const browser = await chromium.launch(chromiumOptions);
const page = await browser.newPage({ viewport: { width: 800, height: 680 } });
await page.goto(`http://127.0.0.1:${server.address().port}/`);
await page.waitForFunction(() => performance.getEntriesByName('molen-first-frame').length > 0);
await page.keyboard.press('Space'); // the button has the focus: release the brake
await page.keyboard.press('Tab');
await page.keyboard.press('Tab'); // the wind slider
for (let wind = 10; wind < 80; wind++) await page.keyboard.press('ArrowDown');
await page.waitForTimeout(2500);
await page.locator('.frame').screenshot({ path: out });
await browser.close();
server.close();
console.log(`Wrote ${out}`);
