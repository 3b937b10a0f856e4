// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long use: after two minutes of ticks at the strongest wind, three more leave the page's DOM
// exactly as it was and its JavaScript heap, after garbage collection, without growth.
// The minutes pass in Chromium's virtual time, which runs the timers back to back while the
// animation frames, and so the painting, come as the browser's own: five minutes of ticks take
// about one minute.
import { expect, expectNoErrors, field, slider, test } from './support.js';

const Minute = 60_000;
// The first two minutes let the engine's compiled code and type feedback settle, which grow
// the heap by some 100 KB and then by a few KB a minute, less and less.
const WarmUp = 2 * Minute;
// Bytes: the three minutes measured run some 17 000 ticks (sails, stone and banner), so that a
// leak of even one small object a tick shows well above this.
const HeapSlack = 96 * 1024;
const NodeSlack = 64;

async function runFor(cdp, ms) {
  const expired = new Promise((resolve) => cdp.once('Emulation.virtualTimeBudgetExpired', resolve));
  await cdp.send('Emulation.setVirtualTimePolicy', { policy: 'advance', budget: ms });
  await expired; // the page's time stands still from here until the next run
}

// In the page: every node of the document's tree, text nodes included.
function treeNodes() {
  const walker = document.createTreeWalker(document, NodeFilter.SHOW_ALL);
  let count = 0;
  while (walker.nextNode()) count++;
  return count;
}

async function measure(page, cdp) {
  let heap = Infinity; // the least of three: a collection can leave a little for the next
  for (let i = 0; i < 3; i++) {
    await cdp.send('HeapProfiler.collectGarbage');
    heap = Math.min(heap, (await cdp.send('Runtime.getHeapUsage')).usedSize);
  }
  // Every node Blink holds, detached ones waiting for its collector included.
  const { nodes, jsEventListeners: listeners } = await cdp.send('Memory.getDOMCounters');
  return { heap, nodes, listeners, tree: await page.evaluate(treeNodes), elements: await page.locator('*').count(),
    sailAngle: Number(await page.locator('input[name="Text1"]').inputValue()) };
}

test('minutes at wind 140 leave the DOM and the heap flat', async ({ page }) => {
  test.setTimeout(5 * Minute);
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.goto('/');
  await page.getByRole('button', { name: 'Licht de vang' }).click();
  const wind = slider(page, 'Wind');
  await wind.focus();
  await wind.press('End');
  const max = await wind.getAttribute('aria-valuemax');
  expect(max).toBe('140');
  await expect(wind).toHaveAttribute('aria-valuenow', max);
  await expect(field(page, 'Enden')).toHaveValue(max); // a sail tick has taken the wind

  const cdp = await page.context().newCDPSession(page);
  await measure(page, cdp); // once for nothing: measuring's own first use leaves some 90 KB
  await runFor(cdp, WarmUp);
  const samples = [await measure(page, cdp)];
  for (let minute = 1; minute <= 3; minute++) {
    await runFor(cdp, Minute);
    samples.push(await measure(page, cdp));
  }
  console.log(samples.map((s, i) => `after ${i + 2} min: ${JSON.stringify(s)}`).join('\n'));
  const [first, last] = [samples[0], samples.at(-1)];
  // The sails turn 10 degrees a tick, a tick every 6000 / 140 ms: the three minutes ran.
  expect((last.sailAngle - first.sailAngle) / 10).toBeGreaterThan(0.9 * ((3 * Minute) / (6000 / 140)));
  for (const later of samples.slice(1)) {
    for (const key of ['tree', 'elements', 'listeners']) expect(later[key], key).toBe(first[key]);
    // Replaced texts may wait a while to be swept; a node left by every tick would be thousands.
    expect(later.nodes).toBeLessThanOrEqual(first.nodes + NodeSlack);
  }
  expect(last.heap - first.heap).toBeLessThanOrEqual(HeapSlack);
  await expectNoErrors(errors);
});
