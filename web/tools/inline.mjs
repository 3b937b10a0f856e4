// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the first paint waits for, written into the page itself: the style sheet, the caption
// bar's icon and the script that fits the frame come with the page rather than in requests of
// their own, each of which costs a phone on a slow network a round trip before it can paint;
// the caption, the client area's size and colour come from the module, so that the frame stands
// at its place and size, in the form's colour, from the first paint.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

function replaceOnce(page, from, to) {
  if (!page.includes(from)) throw new Error(`no ${from} in index.html`);
  return page.replace(from, () => to);
}

const escapeHtml = (text) =>
  text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

// `site`: the assembled site; `scripts`: the bundled scripts written into the page, by the
// name the page gives them (js/first_fit.js, ...); `facts`: see formFacts. The client area's
// size and colour are a rule of the style sheet, not a style attribute, which the page's
// Content-Security-Policy would refuse.
export function inlineFirstPaint(site, scripts, { caption, clientArea, formColour }) {
  const path = join(site, 'index.html');
  const css = readFileSync(join(site, 'style.css'), 'utf8') +
    `.client { width: ${clientArea.width}px; height: ${clientArea.height}px; background: ${formColour}; }\n`;
  const svg = readFileSync(join(site, 'molen.svg'));
  let page = readFileSync(path, 'utf8');
  page = replaceOnce(page, '<link rel="stylesheet" href="style.css">', `<style>\n${css}</style>`);
  page = replaceOnce(page, '<img class="icon" src="molen.svg"',
    `<img class="icon" src="data:image/svg+xml;base64,${svg.toString('base64')}"`);
  page = replaceOnce(page, '<title></title>', `<title>${escapeHtml(caption)}</title>`);
  page = replaceOnce(page, 'id="caption"></h1>', `id="caption">${escapeHtml(caption)}</h1>`);
  for (const [name, bundle] of Object.entries(scripts)) {
    page = replaceOnce(page, `<script src="${name}"></script>`,
      `<script>${readFileSync(bundle, 'utf8').trim()}</script>`);
  }
  writeFileSync(path, page);
}
