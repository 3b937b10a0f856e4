// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's Content-Security-Policy, with a hash of each script and style sheet the build
// wrote into the page, written into the page itself and, with the other headers a host should
// send, into _headers (the format several static hosts read; scripts/serve-site reads it too).
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

export const HeadersFile = '_headers';

// Nothing but the site's own files; the module compiled but no code made at run time; no frame,
// form, base or plug-in; and no script named from a string except by the page's one policy.
function policy(scriptHashes, styleHashes) {
  return [
    "default-src 'none'",
    `script-src 'self' 'wasm-unsafe-eval' ${scriptHashes.join(' ')}`,
    `style-src 'self' ${styleHashes.join(' ')}`,
    "img-src 'self' data:",
    "font-src 'self'",
    "connect-src 'self'",
    "manifest-src 'self'",
    "worker-src 'self'",
    "base-uri 'none'",
    "form-action 'none'",
    "object-src 'none'",
    "require-trusted-types-for 'script'",
    'trusted-types molen',
  ];
}

// Every feature a page can be granted, refused: the mill needs none.
const Features = ['accelerometer', 'autoplay', 'camera', 'display-capture', 'encrypted-media',
  'fullscreen', 'geolocation', 'gyroscope', 'hid', 'idle-detection', 'magnetometer',
  'microphone', 'midi', 'payment', 'picture-in-picture', 'publickey-credentials-get',
  'screen-wake-lock', 'serial', 'usb', 'xr-spatial-tracking'];

const hashesOf = (page, tag) => [...page.matchAll(new RegExp(`<${tag}>([^]*?)</${tag}>`, 'g'))]
  .map(([, text]) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`);

export function writeSecurityPolicy(site) {
  const path = join(site, 'index.html');
  let page = readFileSync(path, 'utf8');
  const directives = policy(hashesOf(page, 'script'), hashesOf(page, 'style'));
  const marker = '<meta charset="utf-8">\n';
  if (!page.includes(marker)) throw new Error('no <meta charset> in index.html');
  page = page.replace(marker, () =>
    `${marker}<meta http-equiv="Content-Security-Policy" content="${directives.join('; ')}">\n`);
  writeFileSync(path, page);
  // Frames are refused by the header alone: a policy in the page cannot say so.
  const headers = {
    'Content-Security-Policy': [...directives, "frame-ancestors 'none'"].join('; '),
    'X-Content-Type-Options': 'nosniff',
    'Referrer-Policy': 'no-referrer',
    'Permissions-Policy': Features.map((feature) => `${feature}=()`).join(', '),
    'Cross-Origin-Opener-Policy': 'same-origin',
    'Cache-Control': 'no-cache',
  };
  const lines = Object.entries(headers).map(([name, value]) => `  ${name}: ${value}`);
  writeFileSync(join(site, HeadersFile), `/*\n${lines.join('\n')}\n`);
}
