// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smoke checks in Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi, against the built site. Run with `node --test smoke/`. Where Firefox cannot start, every
// check is reported as skipped, with the reason, never as passed.
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import config from '../playwright.config.js';
import { Checks, runCheck } from './checks.js';
import { puppeteerDriver } from './driver.js';
import { serveSite } from './site.js';

const Firefox = process.env.FIREFOX || '/usr/bin/firefox-esr';

let site = null;
let browser = null;
let failure = null;

before(async () => {
  site = await serveSite();
  try {
    // puppeteer-core gives Firefox a fresh profile of its own, removed when it closes.
    browser = await puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi',
      executablePath: Firefox, headless: true, defaultViewport: config.use.viewport });
    console.log(`driving ${await browser.version()} (${Firefox})`);
  } catch (error) {
    failure = error;
    console.error(`\n*** SKIPPED: Firefox (${Firefox}) did not start; the smoke checks did not run ` +
      `in Firefox.\n*** ${String(error).split('\n')[0]}\n`);
  }
});

after(async () => {
  await browser?.close();
  site?.stop();
});

for (const [name, check] of Checks) {
  test(`Firefox: ${name}`, async (t) => {
    if (!browser) return t.skip(`SKIPPED: Firefox did not start: ${String(failure).split('\n')[0]}`);
    const page = await browser.newPage();
    try {
      await runCheck(puppeteerDriver(page, site.url), check);
    } finally {
      await page.close();
    }
  });
}
