// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on hosts that do not behave: one that redirects its page, a kept file that no longer
// reads back as it was, a build that does not start followed by one that does, and a new build
// while the app stays open.
import { createServer } from 'node:http';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { writeWorker } from '../tools/precache.mjs';
import { Red, expect, picture, test } from './support.js';

const Types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.svg': 'image/svg+xml', '.woff2': 'font/woff2', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

const description = (page) => page.locator('meta[name="description"]').getAttribute('content');
const workerReady = (page) => page.evaluate(() => navigator.serviceWorker.ready.then(() => true));

async function expectMill(page) {
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  await expect.poll(async () => (await picture(page)).at(5000, 2400)).toEqual(Red);
}

// Reloads the page and waits until it has started or said why it could not; gives the build's
// description.
async function reloaded(page) {
  await page.reload();
  await page.waitForFunction(() => document.activeElement?.matches('button') ||
    document.querySelector('.client [role="alert"]:not([hidden])'));
  return description(page);
}

// A static host of a copy of the site on its own port, which sends `/index.html` as a redirect
// to `/` where `redirect` is set.
function host(redirect) {
  const folder = mkdtempSync(join(tmpdir(), 'molen-wild-'));
  cpSync('../build-web/site', folder, { recursive: true });
  const server = createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://host');
    if (redirect && pathname === '/index.html') return response.writeHead(301, { Location: '/' }).end();
    const path = pathname.endsWith('/') ? `${pathname}index.html` : pathname;
    try {
      const body = readFileSync(join(folder, path));
      response.writeHead(200, { 'Content-Type': Types[extname(path)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  const port = Number(process.env.MOLEN_WEB_PORT || 8181) + 1;
  return {
    url: `http://127.0.0.1:${port}/`,
    start: () => new Promise((resolve) => server.listen(port, '127.0.0.1', resolve)),
    stop: () => new Promise((resolve) => server.close(resolve)).then(() => rmSync(folder, { recursive: true })),
    // A new build in place, told apart by its page's description; `module` replaces its module.
    rebuild(words, module = null) {
      const page = join(folder, 'index.html');
      writeFileSync(page, readFileSync(page, 'utf8')
        .replace(/(<meta name="description" content=")[^"]*"/, `$1${words}"`));
      if (module) writeFileSync(join(folder, 'js/molen.wasm'), module);
      writeWorker(folder, 'page/sw.js');
    },
  };
}

test.describe('a host that redirects its page to its folder', () => {
  const site = host(true);
  test.beforeAll(site.start);
  test.afterAll(site.stop);

  test('the page starts on every load, online and offline', async ({ page, context }) => {
    await page.goto(site.url);
    await expectMill(page);
    await workerReady(page);
    await page.reload();
    await expectMill(page);
    await context.setOffline(true);
    await page.reload();
    await expectMill(page);
    await context.setOffline(false);
  });
});

test.describe('a host with builds that change', () => {
  const site = host(false);
  test.beforeAll(site.start);
  test.afterAll(site.stop);

  test('a build that does not start is followed by the fixed one at the next load, whole', async ({ page }) => {
    await page.goto(site.url);
    await expectMill(page);
    await workerReady(page);
    const first = await page.evaluate(() => caches.keys());
    site.rebuild('Kapotte bouw', Buffer.from('no module'));
    await page.reload(); // finds the broken build, which serves the load after
    await expectMill(page);
    await expect.poll(() => page.evaluate(() => caches.keys()), { timeout: 20_000 }).toHaveLength(1);
    await expect.poll(() => page.evaluate(() => caches.keys()), { timeout: 20_000 }).not.toEqual(first);
    await expect.poll(() => reloaded(page), { timeout: 20_000 }).toBe('Kapotte bouw');
    await expect(page.locator('.client').getByRole('alert')).toBeVisible();
    site.rebuild('Vaste bouw', readFileSync('../build-web/site/js/molen.wasm'));
    await page.reload(); // the broken build looks for the next one
    await expect(page.locator('.client').getByRole('alert')).toBeVisible();
    await expect.poll(() => reloaded(page), { timeout: 20_000 }).toBe('Vaste bouw');
    await expectMill(page);
  });

  test('a new build while the app is open is offered, and loaded only when asked', async ({ page }) => {
    await page.goto(site.url);
    await expectMill(page);
    await workerReady(page);
    await page.reload();
    await expectMill(page);
    site.rebuild('Nieuwe bouw');
    await page.evaluate(() => {
      window.stillThisLoad = true;
      document.dispatchEvent(new Event('visibilitychange')); // the app comes back to the front
    });
    const note = page.getByRole('button', { name: 'Nieuwe versie klaar: klik om te laden.' });
    await expect(note).toBeVisible({ timeout: 20_000 });
    await page.waitForTimeout(1000);
    expect(await page.evaluate(() => window.stillThisLoad)).toBe(true); // no reload by itself
    expect(await description(page)).not.toBe('Nieuwe bouw');
    await note.click();
    await expect.poll(() => description(page)).toBe('Nieuwe bouw');
    await expectMill(page);
  });
});

test('a kept file that no longer reads back as it was is fetched again', async ({ page, context }) => {
  await page.goto('/');
  await expectMill(page);
  await workerReady(page);
  const real = await description(page);
  await page.evaluate(async () => {
    const [name] = await caches.keys();
    const cache = await caches.open(name);
    const text = (await (await cache.match('index.html')).text()).replace(/content="Een molen[^"]*"/, 'content="Vervalst"');
    await cache.put('index.html', new Response(text, { headers: { 'Content-Type': 'text/html' } }));
  });
  await page.reload();
  await expectMill(page);
  expect(await description(page)).toBe(real);
  await context.setOffline(true); // the cache holds the right one again
  await page.reload();
  expect(await description(page)).toBe(real);
  await context.setOffline(false);
});
