// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the page on a held clock, so that every tick comes when a test lets time pass, and
// reading the pixels of the form's client area at points given in twips.
import { test as base, expect } from '@playwright/test';

export { expect };

// The page's Content-Security-Policy must never refuse anything the page itself does: every
// test's pages report each violation, and a test that met one fails. `violations` gathers
// them over the whole run of a worker.
const violations = [];
const Watched = new WeakSet();

function reportViolations() {
  document.addEventListener('securitypolicyviolation', (event) => console.error(
    `CSP violation: ${event.violatedDirective} refused ${event.blockedURI || 'inline'}`));
}

async function watchPolicy(context) {
  if (Watched.has(context)) return context;
  Watched.add(context);
  await context.addInitScript(reportViolations);
  const refused = /CSP violation|Content.Security.Policy|Trusted ?Type/i;
  context.on('console', (message) => refused.test(message.text()) && violations.push(message.text()));
  context.on('weberror', (error) => refused.test(String(error.error())) && violations.push(String(error.error())));
  return context;
}

// Every browser context, the test's own and those a test makes, is watched.
export const test = base.extend({
  browser: [async ({ browser }, use) => {
    const newContext = browser.newContext.bind(browser);
    browser.newContext = async (options) => watchPolicy(await newContext(options));
    await use(browser);
    console.log(`Content-Security-Policy violations over this run: ${violations.length}`);
  }, { scope: 'worker' }],
  context: async ({ context }, use) => use(await watchPolicy(context)),
  policyKept: [async ({}, use) => {
    const before = violations.length;
    await use();
    expect(violations.slice(before), 'the page broke its own Content-Security-Policy').toEqual([]);
  }, { auto: true }],
});

export const TwipsPerPixel = 15;
export const Red = [255, 0, 0];
export const DarkBlue = [0, 0, 192];

// Opens the page with time held at its start; errors the page reports are gathered in `errors`.
// Unless `fitted`, the viewport is then made one in which the stage shows the form at its own
// size, so that one form pixel is one CSS pixel.
export async function openHeld(page, { fitted = false } = {}) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.clock.install({ time: 0 });
  await page.clock.pauseAt(1000);
  await page.goto('/');
  // The page is up once its button takes the focus; it starts its timers at the same moment.
  await expect(page.getByRole('button', { name: 'Licht de vang' })).toBeFocused();
  if (!fitted) await fitAtOwnSize(page);
  await page.clock.runFor(20); // one banner tick and a frame: the first screen is painted
  return errors;
}

// The stage's scale: how many CSS pixels of the screen one form pixel of the frame takes.
export const stageScale = (page) => page.evaluate(() => {
  const frame = document.querySelector('.frame');
  return frame.getBoundingClientRect().width / frame.offsetWidth;
});

// A viewport as wide as the frame and the stage's margins, and taller: the scale is 1.
async function fitAtOwnSize(page) {
  const size = await page.evaluate(() => {
    const frame = document.querySelector('.frame');
    const style = getComputedStyle(document.documentElement);
    const margin = parseFloat(style.getPropertyValue('--stage-margin'));
    return { width: frame.offsetWidth + 2 * margin, height: frame.offsetHeight + 2 * margin + 60 };
  });
  await page.setViewportSize(size);
  await expect.poll(() => stageScale(page)).toBe(1);
}

// Lets `ms` milliseconds pass: the timers due in them tick, and the canvas repaints.
export async function pass(page, ms) {
  await page.clock.runFor(ms);
  await page.clock.runFor(17); // the animation frame after the last tick
}

// In the page: the RGBA pixels of a PNG given in base64, again in base64, with the PNG's width.
export async function decodeInPage(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const image = context.getImageData(0, 0, bitmap.width, bitmap.height);
  let binary = '';
  for (let i = 0; i < image.data.length; i += 32768)
    binary += String.fromCharCode(...image.data.subarray(i, i + 32768));
  return { width: image.width, data: btoa(binary) };
}

// The client area's pixels: at(x, y) in twips, device(x, y) in device pixels gives [r, g, b];
// `ratio` is device pixels per form pixel, at the stage's scale; `width` and `height` in device
// pixels.
export async function picture(page) {
  const png = await page.locator('.client').screenshot();
  const ratio = (await page.evaluate(() => window.devicePixelRatio)) * (await stageScale(page));
  const { width, data } = await page.evaluate(decodeInPage, png.toString('base64'));
  const bytes = Buffer.from(data, 'base64');
  const device = (px, py) => {
    const i = (py * width + px) * 4;
    return [bytes[i], bytes[i + 1], bytes[i + 2]];
  };
  const at = (x, y) =>
    device(Math.floor((x / TwipsPerPixel) * ratio), Math.floor((y / TwipsPerPixel) * ratio));
  return { width, height: bytes.length / 4 / width, ratio, at, device };
}

export const near = (actual, expected, tolerance = 0) =>
  actual.every((value, i) => Math.abs(value - expected[i]) <= tolerance);

// How many of ten points along the outer part of a line from (x1, y1) to (x2, y2) show `colour`.
export function samplesShowing(shot, [x1, y1, x2, y2], colour, tolerance = 0) {
  let matching = 0;
  for (let i = 0; i < 10; i++) {
    const t = 0.35 + (0.6 * i) / 9;
    matching += near(shot.at(x1 + t * (x2 - x1), y1 + t * (y2 - y1)), colour, tolerance);
  }
  return matching;
}

export const slider = (page, name) => page.getByRole('slider', { name });
export const field = (page, name) => page.getByRole('textbox', { name });

export async function expectNoErrors(errors) {
  expect(errors, errors.join('\n')).toEqual([]);
}
