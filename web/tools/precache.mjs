// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service worker of one build: every file of the site with its digest, and a cache name
// made of a hash over all of them, written into the worker's source.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { join, relative, sep } from 'node:path';

export const Worker = 'sw.js';

// Every file of the site, as paths relative to it with '/', in a fixed order.
export function siteFiles(site) {
  return readdirSync(site, { recursive: true })
    .map((name) => relative(site, join(site, name)).split(sep).join('/'))
    .filter((path) => statSync(join(site, path)).isFile())
    .sort();
}

export function writeWorker(site, source) {
  // The compressed copies are the same files to a browser, the worker stands for itself, and
  // the headers file is for the host alone.
  const kept = (path) => path !== Worker && path !== '_headers' && !/\.(gz|br)$/.test(path);
  const files = siteFiles(site).filter(kept).map((path) => {
    const digest = createHash('sha256').update(readFileSync(join(site, path))).digest('base64');
    return { path, integrity: `sha256-${digest}` };
  });
  const build = createHash('sha256').update(readFileSync(source));
  for (const { path, integrity } of files) build.update(`${path}\0${integrity}\0`);
  const line = `const Build = ${JSON.stringify({ cache: `molen-${build.digest('hex').slice(0, 16)}`, files })};`;
  const text = readFileSync(source, 'utf8');
  const written = text.replace(/^const Build = .*;$/m, () => line);
  if (written === text) throw new Error(`no Build line in ${source}`);
  writeFileSync(join(site, Worker), written);
}
