import { chromium } from '@playwright/test';
import { chromiumOptions } from './playwright.config.js';
const url = process.argv[2];
const browser = await chromium.launch(chromiumOptions);
const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 412, height: 823 }, deviceScaleFactor: 1.75 });
const page = await context.newPage();
const cdp = await context.newCDPSession(page);
await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
await page.addInitScript(() => {
  window.__long = [];
  new PerformanceObserver((l) => { for (const e of l.getEntries()) window.__long.push([Math.round(e.startTime), Math.round(e.duration), JSON.stringify(e.attribution?.map(a=>a.containerSrc||a.name))]); }).observe({ type: 'longtask', buffered: true });
  try { new PerformanceObserver((l) => { for (const e of l.getEntries()) window.__long.push(['LoAF', Math.round(e.startTime), Math.round(e.duration), e.scripts.map(s => `${s.invoker} ${s.sourceURL.split('/').pop()}:${s.sourceFunctionName} ${Math.round(s.duration)}`).join(' | ')]); }).observe({ type: 'long-animation-frame', buffered: true }); } catch {}
});
await cdp.send('Profiler.enable');
await cdp.send('Profiler.setSamplingInterval', { interval: 200 });
await cdp.send('Profiler.start');
await page.goto(url);
await page.waitForTimeout(4000);
const { profile } = await cdp.send('Profiler.stop');
console.log((await page.evaluate(() => window.__long)).map(x => x.join(' ')).join('\n'));
console.log(await page.evaluate(() => JSON.stringify(performance.getEntriesByType('mark').map(m=>[m.name, Math.round(m.startTime)]))));
// self time per function
const self = new Map(); const byId = new Map(profile.nodes.map(n => [n.id, n]));
const dt = profile.timeDeltas; 
profile.samples.forEach((id, i) => { const n = byId.get(id); const k = `${n.callFrame.functionName || '(anon)'} ${n.callFrame.url.split('/').pop()}:${n.callFrame.lineNumber}`; self.set(k, (self.get(k) || 0) + (dt[i] || 0) / 1000); });
console.log([...self].sort((a, b) => b[1] - a[1]).slice(0, 25).map(([k, v]) => `${v.toFixed(1)}ms ${k}`).join('\n'));
await browser.close();
