// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the first paint waits for, written into the page itself: the style sheet and the
// caption bar's icon come with the page rather than in requests of their own, each of which
// costs a phone on a slow network a round trip before it can paint.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

function replaceOnce(page, from, to) {
  if (!page.includes(from)) throw new Error(`no ${from} in index.html`);
  return page.replace(from, () => to);
}

export function inlineFirstPaint(site) {
  const path = join(site, 'index.html');
  const css = readFileSync(join(site, 'style.css'), 'utf8');
  const svg = readFileSync(join(site, 'molen.svg'));
  let page = readFileSync(path, 'utf8');
  page = replaceOnce(page, '<link rel="stylesheet" href="style.css">', `<style>\n${css}</style>`);
  page = replaceOnce(page, '<img class="icon" src="molen.svg"',
    `<img class="icon" src="data:image/svg+xml;base64,${svg.toString('base64')}"`);
  writeFileSync(path, page);
}
