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
      response.on('end', () => resolve({ headers: response.headers, body: Buffer.concat(chunks) }));
    }).on('error', reject).end();
  });
}

const files = siteFiles(site).filter((path) => !/\.(gz|br)$/.test(path));
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
