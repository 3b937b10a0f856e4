import { chromium } from '@playwright/test';
import { chromiumOptions } from './playwright.config.js';
const url = process.argv[2];
const browser = await chromium.launch(chromiumOptions);
const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 412, height: 823 }, deviceScaleFactor: 1.75 });
const page = await context.newPage();
await page.addInitScript(() => {
  const count = window.__count = {};
  const P = CanvasRenderingContext2D.prototype;
  for (const name of ['measureText', 'fillText', 'fillRect', 'drawImage', 'save', 'restore', 'clip', 'ellipse', 'stroke']) {
    const f = P[name];
    P[name] = function (...a) { const t = performance.now(); const r = f.apply(this, a); const c = count[name] ??= [0, 0]; c[0]++; c[1] += performance.now() - t; return r; };
  }
  const raf = window.requestAnimationFrame;
  window.__frames = [];
  window.requestAnimationFrame = (cb) => raf((ts) => { const t = performance.now(); cb(ts); window.__frames.push([Math.round(t), +(performance.now() - t).toFixed(1)]); });
  const I = WebAssembly.instantiateStreaming; const C = WebAssembly.instantiate;
  WebAssembly.instantiateStreaming = function (...a) { window.__count.streaming = 1; return I.apply(this, a); };
  WebAssembly.instantiate = function (...a) { window.__count.instantiate = 1; return C.apply(this, a); };
});
await page.goto(url);
await page.waitForTimeout(1500);
console.log(await page.evaluate(() => JSON.stringify({ count: window.__count, frames: window.__frames.filter(f => f[1] > 2), marks: performance.getEntriesByType('mark').map(m => m.startTime), res: performance.getEntriesByType('resource').map(r => [r.name.split('/').pop(), Math.round(r.startTime), Math.round(r.responseEnd)]) })));
await browser.close();
