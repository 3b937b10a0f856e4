// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One small face over a browser page for the smoke checks, whichever engine and library drive
// it: a Playwright page (Chromium) or a puppeteer-core page (Firefox over WebDriver BiDi). Both
// libraries share the calls the checks use (evaluate with one argument, keyboard, mouse,
// screenshot with a clip, the 'console' and 'pageerror' events); they differ only in how a
// wait for a condition in the page is spelled.

const WaitLimit = 20_000; // ms: a wait that is not met by then fails the check

function reportPolicyViolations() {
  document.addEventListener('securitypolicyviolation', (event) => console.error(
    `CSP violation: ${event.violatedDirective} refused ${event.blockedURI || 'inline'}`));
}

function driver(page, url, waitUntil) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  return {
    errors,
    keyboard: page.keyboard,
    mouse: page.mouse,
    // Every refusal of the page's Content-Security-Policy is an error of the page's.
    open: async () => {
      await (page.addInitScript ?? page.evaluateOnNewDocument).call(page, reportPolicyViolations);
      return page.goto(url);
    },
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    // Waits until `fn(arg)` is true in the page.
    until: (fn, arg) => waitUntil(fn, arg),
    screenshot: (clip) => page.screenshot({ clip }),
  };
}

export const playwrightDriver = (page, url) =>
  driver(page, url, (fn, arg) => page.waitForFunction(fn, arg, { timeout: WaitLimit, polling: 50 }));

export const puppeteerDriver = (page, url) =>
  driver(page, url, (fn, arg) => page.waitForFunction(fn, { timeout: WaitLimit, polling: 50 }, arg));

// Retries `probe` (an async function) until it gives true, for waits that need more than the
// page's own state, such as its pixels.
export async function eventually(probe, what) {
  const end = Date.now() + WaitLimit;
  while (!(await probe())) {
    if (Date.now() > end) throw new Error(`waited in vain for ${what}`);
  }
}
