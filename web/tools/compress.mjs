// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Beside every file a static host could send compressed, its .gz and .br, made once at build
// time at the strongest settings, for the host to send as they are.
import { readFileSync, writeFileSync } from 'node:fs';
import { extname, join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { siteFiles } from './precache.mjs';

// Fonts in WOFF2 and PNG pictures are compressed already.
const Compressible = new Set(['.html', '.css', '.js', '.wasm', '.svg', '.webmanifest', '.json']);

export function compressSite(site) {
  for (const path of siteFiles(site).filter((p) => Compressible.has(extname(p)))) {
    const bytes = readFileSync(join(site, path));
    writeFileSync(join(site, `${path}.gz`), gzipSync(bytes, { level: 9 }));
    writeFileSync(join(site, `${path}.br`), brotliCompressSync(bytes, {
      params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: bytes.length },
    }));
  }
}
