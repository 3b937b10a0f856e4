// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site as its host sends it: every file with its type, compressed where it can be, the
// page, manifest and worker never kept unasked, and the whole at most 250 KB with gzip.
import { expect, test } from './support.js';
import { request } from 'node:http';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';
import { siteFiles } from '../tools/precache.mjs';

const site = '../build-web/site';
const Types = {
  '.html': 'text/html', '.css': 'text/css', '.js': 'application/javascript',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.woff2': 'font/woff2',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};
const Packed = new Set(['.html', '.css', '.js', '.wasm', '.svg', '.webmanifest']);
const Decoders = { gzip: gunzipSync, br: brotliDecompressSync };

// The bytes as they cross the wire, and the headers they come with.
function fetchRaw(url, encoding) {
  return new Promise((resolve, reject) => {
    request(url, { headers: { 'Accept-Encoding': encoding } }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode, headers: response.headers,
        body: Buffer.concat(chunks) }));
    }).on('error', reject).end();
  });
}

// The headers file is the host's, never sent (see security.mjs).
const files = siteFiles(site).filter((path) => !/\.(gz|br)$/.test(path) && path !== '_headers');
const extension = (path) => path.slice(path.lastIndexOf('.'));

for (const encoding of ['gzip', 'br']) {
  test(`every file comes with its type and, where it packs, in ${encoding}`, async ({ baseURL }) => {
    for (const path of files) {
      const { headers, body } = await fetchRaw(new URL(path, baseURL), encoding);
      expect(headers['content-type']?.split(';')[0], path).toBe(Types[extension(path)]);
      const packed = Packed.has(extension(path));
      expect(headers['content-encoding'], path).toBe(packed ? encoding : undefined);
      const plain = packed ? Decoders[encoding](body) : body;
      expect(plain.equals(readFileSync(join(site, path))), path).toBe(true);
    }
  });
}

test('a browser asks again for every file before it reuses it', async ({ baseURL }) => {
  for (const path of ['', 'index.html', 'sw.js', 'manifest.webmanifest', 'js/molen.wasm']) {
    const { headers } = await fetchRaw(new URL(path, baseURL), 'gzip');
    expect(headers['cache-control'], path).toBe('no-cache');
    expect(headers.etag, path).toBeTruthy();
  }
});

test('the whole site is at most 250 KB with gzip', async ({ baseURL }) => {
  let bytes = 0;
  for (const path of files) bytes += (await fetchRaw(new URL(path, baseURL), 'gzip')).body.length;
  console.log(`The site with gzip: ${(bytes / 1000).toFixed(1)} KB in ${files.length} files`);
  expect(bytes).toBeLessThanOrEqual(250_000);
});

// What any page should be sent with: a policy that lets in nothing but the site's own files and
// makes no code at run time, nothing sniffed, no referrer, no feature, no frame, no opener.
test('every answer comes with the headers that keep the page to itself', async ({ baseURL }) => {
  for (const path of ['', 'index.html', 'sw.js', 'js/main.js', 'js/molen.wasm']) {
    const { headers } = await fetchRaw(new URL(path, baseURL), 'gzip');
    const policy = headers['content-security-policy'] ?? '';
    expect(policy, path).toMatch(/(^|; )default-src 'none'/);
    expect(policy, path).toMatch(/script-src 'self' 'wasm-unsafe-eval' 'sha256-/);
    expect(policy, path).not.toMatch(/'unsafe-inline'|'unsafe-eval'/);
    expect(policy, path).toContain("require-trusted-types-for 'script'");
    expect(policy, path).toContain("frame-ancestors 'none'");
    expect(headers['x-content-type-options'], path).toBe('nosniff');
    expect(headers['referrer-policy'], path).toBe('no-referrer');
    for (const feature of ['camera', 'microphone', 'geolocation', 'usb', 'payment'])
      expect(headers['permissions-policy'], path).toContain(`${feature}=()`);
    expect(headers['cross-origin-opener-policy'], path).toBe('same-origin');
  }
  expect((await fetchRaw(new URL('_headers', baseURL), 'gzip')).status).toBe(404); // the host's alone
});

// The page keeps the same policy where a host sends none, but for frames, which only a header
// can refuse; and the module makes no code at run time, which that policy would refuse.
test('the page carries its policy, and its script makes no code at run time', async ({ baseURL }) => {
  const page = readFileSync(join(site, 'index.html'), 'utf8');
  const meta = page.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/)?.[1];
  const { headers } = await fetchRaw(baseURL, 'gzip');
  expect(`${meta}; frame-ancestors 'none'`).toBe(headers['content-security-policy']);
  expect(readFileSync(join(site, 'js/main.js'), 'utf8')).not.toMatch(/new Function|\beval\(/);
});
