// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page under Lighthouse's mobile profile (a mid-range phone, simulated throttling) in
// Debian's Chromium, some runs in a row, written as JSON: each run's figures and their medians.
// Nothing here passes or fails on speed; bench/report.py judges the figures.
// The floor page (bench/floor.html under URL) is run as often, for the longest task before its
// own first frame: what the browser's own start costs on this machine.
// Usage: node web/bench/lighthouse.mjs URL SITE_DIR OUT.json RUNS
import { execFile } from 'node:child_process';
import { existsSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { chromiumOptions } from '../playwright.config.js';
import { siteFiles } from '../tools/precache.mjs';

const [url, site, out, runs] = process.argv.slice(2);
const cli = new URL('../node_modules/lighthouse/cli/index.js', import.meta.url).pathname;

async function lighthouse(url) {
  const flags = ['--headless=new', ...chromiumOptions.args].join(' ');
  const { stdout } = await promisify(execFile)(process.execPath, [cli, url, '--output=json',
    '--output-path=stdout', '--only-categories=performance', '--quiet', `--chrome-flags=${flags}`],
  { env: { ...process.env, CHROME_PATH: chromiumOptions.executablePath }, maxBuffer: 1 << 28 });
  return JSON.parse(stdout);
}

// The longest main-thread task that starts before the page's first frame is painted, as seen
// here and as the profile's phone, so many times slower, would take it.
function firstFrameTask(audits, slowdown, markName = 'molen-first-frame') {
  const marks = audits['user-timings'].details?.items ?? [];
  const frame = marks.find((mark) => mark.name === markName);
  const until = frame ? frame.startTime : Infinity;
  const tasks = audits['main-thread-tasks'].details.items.filter((task) => task.startTime < until);
  const seen = Math.max(0, ...tasks.map((task) => task.duration));
  return { firstFrameMs: frame?.startTime ?? null, longestTaskSeenMs: seen, longestTaskMs: seen * slowdown };
}

function figures(report) {
  const { audits } = report;
  return {
    performance: report.categories.performance.score,
    lcpMs: audits['largest-contentful-paint'].numericValue,
    tbtMs: audits['total-blocking-time'].numericValue,
    fcpMs: audits['first-contentful-paint'].numericValue,
    mainThreadMs: audits['mainthread-work-breakdown'].numericValue,
    transferBytes: audits['total-byte-weight'].numericValue,
    ...firstFrameTask(audits, report.configSettings.throttling.cpuSlowdownMultiplier),
    errors: report.runWarnings,
  };
}

// Each file as a host sends it to a browser that takes gzip: its .gz where the build made one.
function siteGzipBytes() {
  return siteFiles(site).filter((path) => !/\.(gz|br)$/.test(path)).reduce((sum, path) => {
    const gz = join(site, `${path}.gz`);
    return sum + statSync(existsSync(gz) ? gz : join(site, path)).size;
  }, 0);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const results = [];
let version = '';
const floorTasks = [];
for (let i = 0; i < Number(runs); i++) {
  const report = await lighthouse(url);
  const chromium = report.environment.hostUserAgent.match(/Chrome\/[\d.]+/)?.[0] ?? 'Chromium';
  version = `Lighthouse ${report.lighthouseVersion} in headless ${chromium}`;
  results.push(figures(report));
  const floor = await lighthouse(new URL('bench/floor.html', url).href);
  const slowdown = floor.configSettings.throttling.cpuSlowdownMultiplier;
  floorTasks.push(firstFrameTask(floor.audits, slowdown, 'floor-first-frame').longestTaskMs);
}
const keys = ['performance', 'lcpMs', 'tbtMs', 'fcpMs', 'mainThreadMs', 'longestTaskMs', 'transferBytes'];
const summary = Object.fromEntries(keys.map((key) => [key, median(results.map((run) => run[key]))]));
const missing = keys.filter((key) => !Number.isFinite(summary[key]));
if (missing.length) throw new Error(`Lighthouse gave no ${missing.join(', ')}`);
writeFileSync(out, `${JSON.stringify({ url, version, runs: results, median: summary,
  floor: { longestTaskMs: floorTasks, median: median(floorTasks) }, siteGzipBytes: siteGzipBytes() },
null, 2)}\n`);
console.log(`Wrote ${out}: ${JSON.stringify(summary)}`);
