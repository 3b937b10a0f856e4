// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's smoke checks, written once for every engine: it loads and paints the braked mill,
// the button releases and sets the brake and the mill runs, the wind slider takes the keyboard
// and the mouse, and nothing is reported as an error. They run in real time, waiting for what
// the page shows, never for a time; each takes a driver of ./driver.js on a fresh page.
import assert from 'node:assert/strict';
import { DarkBlue, Red, near } from '../tests/support.js';
import { eventually } from './driver.js';
import { clientPicture } from './picture.js';

const Wind = '[role="slider"][aria-label="Wind"]';
const WindField = 'input[aria-label="Enden"]';

// In the page: whether the element at `selector` has the focus and, if given, the text `text`.
function focusedWith([selector, text]) {
  const element = document.activeElement;
  return element?.matches(selector) && (text === undefined || element.textContent === text);
}
const hasValue = ([selector, value]) => document.querySelector(selector)?.value === value;
const valueNow = (selector) => Number(document.querySelector(selector).getAttribute('aria-valuenow'));
// Waits until the wind slider's value is `value`; if it never is, says what it is instead.
async function expectWind(driver, value, what) {
  await driver.until(([selector, wanted]) =>
    document.querySelector(selector).getAttribute('aria-valuenow') === String(wanted), [Wind, value])
    .catch(() => {});
  assert.equal(await driver.evaluate(valueNow, Wind), value, what);
}
const shows = (text) => [...document.querySelectorAll('p')].some((item) => item.textContent === text);

// The centre of `selector`, or of its `part` (a class of the scroll bar's parts), in CSS pixels.
function centreOf([selector, part]) {
  const element = document.querySelector(selector);
  const box = (part ? element.querySelector(part) : element).getBoundingClientRect();
  return { x: box.left + box.width / 2, y: box.top + box.height / 2, bottom: box.bottom, top: box.top };
}

// The red sail upright from the hub (5000, 3600) to (5000, 2000), as the first screen has it.
const sailUpright = (shot) => [2200, 2400, 2600, 2800].every((y) => near(shot.at(5000, y), Red));
// Dark blue inside the stone's disc, (650, 2600) 1935 x 1600: its two radius lines.
function stoneShows(shot) {
  for (let x = 800; x < 2400; x += 15) {
    for (let y = 2600; y < 4200; y += 15) if (near(shot.at(x, y), DarkBlue, 80)) return true;
  }
  return false;
}

async function loadsAndPaints(driver) {
  // The caption as the page writes it: some engines strip the spaces from document.title.
  assert.deepEqual(await driver.evaluate(() => ['title', 'h1'].map((tag) =>
    document.querySelector(tag).textContent)), ['  ZAVELTOP SOFTWARE', '  ZAVELTOP SOFTWARE']);
  assert.ok(await driver.evaluate(focusedWith, ['button', 'Licht de vang']));
  await eventually(async () => {
    const shot = await clientPicture(driver);
    return sailUpright(shot) && stoneShows(shot);
  }, 'the upright red sail and the stone');
  assert.ok(await driver.evaluate(hasValue, [WindField, '']));
}

async function brakeAndRun(driver) {
  const button = await driver.evaluate(centreOf, ['button']);
  await driver.mouse.click(button.x, button.y);
  await driver.until(focusedWith, ['button', 'Vangen']);
  await driver.until(hasValue, [WindField, '10']); // the first sail tick, at wind 10
  await driver.until(shows, 'Toerental loper  11.25   toeren/minuut'); // 10 / 4 x 4.5
  await eventually(async () => !near((await clientPicture(driver)).at(5000, 2100), Red),
    'the sails to turn away from upright');
  await driver.keyboard.press(' '); // the space bar, as every library names it
  await driver.until(focusedWith, ['button', 'Licht de vang']);
}

async function windByKeyboard(driver) {
  await driver.keyboard.press('Enter'); // the brake released from the focused button
  await driver.until(focusedWith, ['button', 'Vangen']);
  await driver.keyboard.press('Tab');
  await driver.keyboard.press('Tab');
  await driver.until(focusedWith, [Wind]);
  const [min, max] = await driver.evaluate((selector) => ['min', 'max'].map((end) =>
    Number(document.querySelector(selector).getAttribute(`aria-value${end}`))), Wind);
  assert.deepEqual([min, max], [10, 140]);
  for (const [key, value] of [['ArrowDown', 11], ['ArrowUp', 10], ['ArrowUp', 10], ['End', max],
    ['Home', min], ['PageDown', min + 1], ['End', max]]) {
    await driver.keyboard.press(key);
    await expectWind(driver, value, `after ${key}`);
  }
  await driver.until(hasValue, [WindField, '140']); // the next sail tick takes the wind
}

async function windByMouse(driver) {
  const button = await driver.evaluate(centreOf, ['button']);
  await driver.mouse.click(button.x, button.y);
  await driver.until(focusedWith, ['button', 'Vangen']);
  const click = async (part) => {
    const { x, y } = await driver.evaluate(centreOf, [Wind, part]);
    await driver.mouse.click(x, y);
  };
  for (const [part, value] of [['.higher', 11], ['.higher', 12], ['.lower', 11], ['.lower', 10],
    ['.lower', 10]]) {
    await click(part);
    await expectWind(driver, value, `after a click on ${part}`);
  }
  assert.ok(await driver.evaluate(focusedWith, [Wind]));
  const thumb = await driver.evaluate(centreOf, [Wind, '.thumb']);
  const track = await driver.evaluate(centreOf, [Wind, '.track']);
  await driver.mouse.move(thumb.x, thumb.y);
  await driver.mouse.down();
  await driver.mouse.move(thumb.x, track.bottom + 50, { steps: 4 });
  await driver.mouse.up();
  await expectWind(driver, 140, 'the thumb dragged past the end');
  await driver.mouse.click(track.x, track.top + 2); // above the thumb: one large change, 1
  await expectWind(driver, 139, 'after a click on the track');
  await driver.until(hasValue, [WindField, '139']);
}

export const Checks = [
  ['the page loads and paints the braked mill', loadsAndPaints],
  ['the button releases and sets the brake, and the mill runs', brakeAndRun],
  ['the wind slider takes the keyboard', windByKeyboard],
  ['the wind slider takes the mouse', windByMouse],
];

// Opens the page, waits until it is up (its button takes the focus as its timers start), runs
// `check` and finds no error reported by the page.
export async function runCheck(driver, check) {
  await driver.open();
  await driver.until(focusedWith, ['button']);
  await check(driver);
  assert.deepEqual(driver.errors, [], driver.errors.join('\n'));
}
