// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's benchmarks in headless Chromium, written as JSON: the period of every tick at
// winds 10, 70 and 140, the CPU of the browser over 10 s at wind 140 against the floor page,
// the time to the first painted frame, the longest work on the main thread at wind 140 with the
// CPU slowed four times, against the floor page, the work of the first frame after a long time
// without frames (held.mjs), and every file's bytes, plain and gzipped. The ticks are
// seen as a user's tools could see them: by what the page writes into its fields.
// Usage: node web/bench/run.mjs SITE_DIR OUT.json [--smoke]
import { chromium } from '@playwright/test';
import { createServer } from 'node:http';
import { readdirSync, readFileSync, statSync, writeFileSync, cpSync } from 'node:fs';
import { extname, join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromiumOptions } from '../playwright.config.js';
import { childrenCpuSeconds } from './cpu.mjs';
import { Slowdown, slowedWork } from './frames.mjs';
import { heldFrames } from './held.mjs';

const [site, out, smoke] = [process.argv[2], process.argv[3], process.argv[4] === '--smoke'];
const seconds = smoke ? 1 : 10;
const Types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.woff2': 'font/woff2' };

function serve(root) {
  const server = createServer((request, response) => {
    const path = join(root, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    try {
      const file = statSync(path).isDirectory() ? join(path, 'index.html') : path;
      response.writeHead(200, { 'Content-Type': Types[extname(file)] || 'application/octet-stream' });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

function files(root) {
  return readdirSync(root, { recursive: true })
    .map((name) => join(root, name))
    .filter((path) => statSync(path).isFile() && !path.includes('/bench/') && !/\.(gz|br)$/.test(path))
    .map((path) => {
      const bytes = readFileSync(path);
      return { file: relative(root, path), bytes: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length };
    });
}

// Every value the page writes into a text field, with its time, once window.fieldWrites is set:
// the sails' and the stone's ticks each write their angle and interval into hidden fields.
function watchFields() {
  const { get, set } = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(HTMLInputElement.prototype, 'value', {
    configurable: true,
    get() { return get.call(this); },
    set(value) {
      window.fieldWrites?.push([this.name, performance.now(), value]);
      set.call(this, value);
    },
  });
}

async function openPage(browser, url) {
  const page = await browser.newPage({ viewport: { width: 780, height: 660 } });
  await page.addInitScript(watchFields);
  await page.goto(url);
  return page;
}

const firstFrame = () => performance.getEntriesByName('molen-first-frame')[0]?.startTime;

// Releases the brake and sets the wind with the keyboard, as a user would.
async function runAtWind(page, wind) {
  await page.waitForFunction(firstFrame);
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const bar = page.getByRole('slider', { name: 'Wind' });
  await bar.focus();
  await bar.press('Home');
  for (let w = 10; w < wind; w++) await bar.press('ArrowDown');
}

// The time of every sail tick (Timer1) and stone tick (Timer2), by the angle each writes, and
// the interval its timer had then, by the interval it wrote last.
const Ticks = { Text1: ['Timer1', 'Text3'], Text6: ['Timer2', 'Text7'] };

async function recordTicks(page, ms) {
  const latest = await page.evaluate(() => {
    window.fieldWrites = [];
    const fields = [...document.querySelectorAll('input')];
    return Object.fromEntries(fields.map((input) => [input.name, Math.round(Number(input.value))]));
  });
  await page.waitForTimeout(ms);
  const writes = await page.evaluate(() => window.fieldWrites);
  // A tick writes its interval before its angle, so the interval in force is the latest one.
  return writes.flatMap(([name, at, value]) => {
    latest[name] = Math.round(Number(value));
    const tick = Ticks[name];
    return tick ? [[tick[0], at, latest[tick[1]]]] : [];
  });
}

// Periods between ticks of one timer at one unchanged interval, after the first two seconds;
// a tick is lost where the periods span more intervals than there are periods.
function periods(ticks) {
  const byTimer = {};
  const start = ticks.length ? ticks[0][1] : 0;
  const last = {};
  for (const [name, at, interval] of ticks) {
    const before = last[name];
    last[name] = [at, interval];
    if (!before || before[1] !== interval || at - start < 2000) continue;
    (byTimer[`${name}@${interval}`] ??= { timer: name, interval, periods: [] }).periods.push(at - before[0]);
  }
  return Object.values(byTimer).map(({ timer, interval, periods: p }) => {
    const span = p.reduce((a, b) => a + b, 0);
    const mean = span / p.length;
    return { timer, interval, count: p.length, mean, meanError: (mean - interval) / interval,
      lost: Math.max(0, Math.round(span / interval) - p.length),
      late: p.filter((period) => period > 1.5 * interval).length,
      min: Math.min(...p), max: Math.max(...p) };
  });
}

async function tickPeriods(browser, url) {
  const results = [];
  for (const wind of [10, 70, 140]) {
    const page = await openPage(browser, url);
    await runAtWind(page, wind);
    await page.waitForTimeout(1000); // the first sail tick sets the intervals
    results.push({ wind, timers: periods(await recordTicks(page, seconds * 1000 + 2000)) });
    await page.close();
  }
  return results;
}

// CPU seconds of the whole browser over `seconds` with one page open: mill or floor.
async function cpuOf(url, prepare) {
  const browser = await chromium.launch(chromiumOptions);
  const page = await openPage(browser, url);
  await prepare(page);
  await page.waitForTimeout(2000);
  const cpu = await childrenCpuSeconds(() => page.waitForTimeout(seconds * 1000));
  const shown = await page.evaluate(`(${firstFrame})() ?? window.floorFirstFrame`);
  await browser.close();
  return { cpu, firstFrame: shown };
}

async function main() {
  cpSync(new URL('.', import.meta.url).pathname, join(site, 'bench'), { recursive: true });
  const server = await serve(site);
  const base = `http://127.0.0.1:${server.address().port}/`;
  const browser = await chromium.launch(chromiumOptions);
  const tickResults = await tickPeriods(browser, base);
  await browser.close();
  const pairs = [];
  for (let i = 0; i < (smoke ? 1 : 5); i++) {
    const mill = await cpuOf(base, (page) => runAtWind(page, 140));
    const floor = await cpuOf(`${base}bench/floor.html`, (page) =>
      page.waitForFunction(() => window.floorFirstFrame > 0));
    pairs.push({ mill, floor });
  }
  const slowed = await chromium.launch(chromiumOptions);
  const work = {
    slowdown: Slowdown,
    mill: await slowedWork(slowed, base, (page) => runAtWind(page, 140), seconds),
    floor: await slowedWork(slowed, `${base}bench/floor.html`, (page) =>
      page.waitForFunction(() => window.floorFirstFrame > 0), seconds),
  };
  await slowed.close();
  // Animation frames held back for a minute and for ten, or for 5 s and 30 s in a smoke run.
  const held = await heldFrames(base,
    smoke ? { holds: [5, 30], frames: 5 } : { holds: [60, 600], frames: 15 });
  server.close();
  const results = { chromium: chromiumOptions.executablePath, seconds, ticks: tickResults,
    pairs, work, held, files: files(site) };
  writeFileSync(out, JSON.stringify(results, null, 2));
  console.log(`Wrote ${out}`);
}

await main();
