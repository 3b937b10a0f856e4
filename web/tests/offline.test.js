// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page without a network: the first load runs without a service worker and leaves one
// behind that brings the whole mill back offline; a new build on the host serves the load after
// the one that found it, whole, and a build whose files do not match is never taken up.
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { compressSite } from '../tools/compress.mjs';
import { writeWorker } from '../tools/precache.mjs';
import { Red, expect, picture, test } from './support.js';

const button = (page, name) => page.getByRole('button', { name });
const caches = (page) => page.evaluate(() => window.caches.keys());
const description = (page) => page.locator('meta[name="description"]').getAttribute('content');

// Up and painted: the button has the focus and the red sail stands upright from the hub.
async function expectMill(page) {
  await expect(button(page, 'Licht de vang')).toBeFocused();
  await expect.poll(async () => (await picture(page)).at(5000, 2400)).toEqual(Red);
}

// Released, the mill's first sail tick writes the wind into its field.
async function expectRunning(page) {
  await button(page, 'Licht de vang').click();
  await expect(page.getByRole('textbox', { name: 'Enden' })).toHaveValue('10');
}

test('the first load has no worker, and offline a reload brings the mill back and it runs', async ({ page, context }) => {
  await page.goto('/');
  await expectMill(page);
  expect(await page.evaluate(() => navigator.serviceWorker.controller)).toBeNull();
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await context.setOffline(true);
  await page.reload();
  await expectMill(page);
  expect(await page.evaluate(() => navigator.serviceWorker.controller?.state)).toBe('activated');
  await expectRunning(page);
  await context.setOffline(false);
});

test.describe('a host updated to a new build', () => {
  const port = Number(process.env.MOLEN_WEB_PORT || 8181) + 1;
  const url = `http://127.0.0.1:${port}/`;
  let folder;
  let server;

  test.beforeAll(async () => {
    folder = mkdtempSync(join(tmpdir(), 'molen-host-'));
    cpSync('../build-web/site', join(folder, 'site'), { recursive: true });
    server = spawn('../scripts/serve-site', [join(folder, 'site'), String(port)], { stdio: 'ignore' });
    await expect.poll(() => fetch(url).then((r) => r.ok, () => false)).toBe(true);
  });
  test.afterAll(async () => {
    const stopped = new Promise((resolve) => server.once('exit', resolve));
    server.kill('SIGTERM');
    await stopped;
    rmSync(folder, { recursive: true, force: true });
  });

  // A new build of the site in place, whose page says so in its description; the host may
  // send another page than the one the build's worker lists.
  function rebuild(words, sent = words) {
    const site = join(folder, 'site');
    const page = join(site, 'index.html');
    const rewrite = (text) => writeFileSync(page, readFileSync(page, 'utf8')
      .replace(/(<meta name="description" content=")[^"]*"/, `$1${text}"`));
    rewrite(words);
    writeWorker(site, 'page/sw.js');
    rewrite(sent);
    compressSite(site);
  }

  // Asks for the worker of the host's build and gives the state its install ends in.
  const updated = (page) => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();
    const worker = registration.installing;
    if (!worker) return 'no update';
    return new Promise((resolve) => {
      const settled = () => ['installed', 'activated', 'redundant'].includes(worker.state) && resolve(worker.state);
      worker.addEventListener('statechange', settled);
      settled();
    });
  });

  test('the new build serves the load after the one that found it, whole', async ({ page, context }) => {
    await page.goto(url);
    await expectMill(page);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    const first = await caches(page);
    const before = await description(page);
    rebuild('Tweede bouw');
    await page.reload();
    await expectMill(page);
    expect(await description(page)).toBe(before); // still all of the first build
    await expect.poll(() => caches(page), { timeout: 20_000 }).not.toEqual(first);
    await expect.poll(async () => (await caches(page)).length, { timeout: 20_000 }).toBe(1);
    await context.setOffline(true);
    await page.reload();
    await expectMill(page);
    expect(await description(page)).toBe('Tweede bouw');
    await expectRunning(page);
    await context.setOffline(false);
  });

  test('a build whose files the host does not all send is never taken up', async ({ page, context }) => {
    await page.goto(url);
    await expectMill(page);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    const first = await caches(page);
    const before = await description(page);
    rebuild('Derde bouw', 'Vierde bouw');
    // The new worker fetches every file, finds one not of its build, and gives up.
    expect(await updated(page)).toBe('redundant');
    expect(await caches(page)).toEqual(first);
    await context.setOffline(true);
    await page.reload();
    await expectMill(page);
    expect(await description(page)).toBe(before);
    await context.setOffline(false);
  });
});
