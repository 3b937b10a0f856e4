// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What makes the site installable: its manifest, the icons rendered from the program's own
// icon, and the page's theme colour, each colour read from where the page takes it.
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const MaskedSize = 512;
// A maskable icon may be cut to a circle of 80% of its side: the icon's square fits inside.
const SafeSide = Math.floor((0.8 * MaskedSize) / Math.SQRT2);

function found(text, pattern, what) {
  const match = text.match(pattern);
  if (!match) throw new Error(`no ${what} found`);
  return match[1];
}

// The form's own background, as the module gives it (see formFacts), and the colour of the
// frame the page draws around it.
export function siteColours(root, formColour) {
  const css = readFileSync(join(root, 'web/page/style.css'), 'utf8');
  return {
    background: formColour,
    theme: found(css, /\.frame \{[^}]*\bbackground: (#[0-9a-f]{3,6});/, 'frame colour'),
  };
}

// A flat picture loses nothing one can see in a palette of its own: a third of the bytes. Where
// the palette would show, the picture stays as it was rendered.
function squeeze(path) {
  try {
    execFileSync('pngquant', ['--quality', '90-100', '--speed', '1', '--strip', '--force',
      '--output', path, path]);
  } catch (error) {
    if (error.status !== 99) throw error; // 99: the quality asked for cannot be had
  }
}

export function writeIcons(site, svg, colours) {
  mkdirSync(join(site, 'icons'), { recursive: true });
  const render = (size, file, more = []) => {
    const path = join(site, 'icons', file);
    execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), ...more, '-o', path, svg]);
    squeeze(path);
  };
  render(192, 'molen-192.png');
  render(512, 'molen-512.png');
  const margin = String((MaskedSize - SafeSide) / 2);
  render(SafeSide, 'molen-maskable-512.png', ['--page-width', String(MaskedSize),
    '--page-height', String(MaskedSize), '--left', margin, '--top', margin, '-b', colours.theme]);
}

export function writeManifest(site, colours) {
  const png = (src, size, purpose = 'any') => ({ src, sizes: `${size}x${size}`, type: 'image/png', purpose });
  const manifest = {
    name: 'Molen', short_name: 'Molen', lang: 'nl', start_url: './', scope: './', id: './',
    display: 'standalone', theme_color: colours.theme, background_color: colours.background,
    description: pageDescription(site),
    icons: [{ src: 'molen.svg', sizes: 'any', type: 'image/svg+xml', purpose: 'any' },
      png('icons/molen-192.png', 192), png('icons/molen-512.png', 512),
      png('icons/molen-maskable-512.png', MaskedSize, 'maskable')],
  };
  writeFileSync(join(site, 'manifest.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`);
}

function pageDescription(site) {
  const page = readFileSync(join(site, 'index.html'), 'utf8');
  return found(page, /<meta name="description" content="([^"]*)">/, 'description');
}

export function fillThemeColour(site, colours) {
  const path = join(site, 'index.html');
  const page = readFileSync(path, 'utf8');
  const filled = page.replace('<meta name="theme-color" content="">',
    `<meta name="theme-color" content="${colours.theme}">`);
  if (filled === page) throw new Error('no theme-color in index.html');
  writeFileSync(path, filled);
}
