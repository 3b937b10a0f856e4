// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page shows before its module is in, read at build time from the very module the
// page loads: the window's caption, the size of its client area in CSS pixels and the colour
// the form shows where no control stands.
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

// Reading these lays no caption out, so the text engine is never asked.
const noMeasure = {
  advance: () => { throw new Error('no text is measured at build time'); },
  metrics: () => { throw new Error('no text is measured at build time'); },
};

export async function formFacts(moduleDir) {
  const createMill = (await import(resolve(moduleDir, 'molen.js'))).default;
  const module = await createMill({ wasmBinary: readFileSync(join(moduleDir, 'molen.wasm')) });
  const mill = new module.MillPage(noMeasure);
  const { width, height } = mill.clientArea();
  return { caption: mill.caption(), clientArea: { width, height }, formColour: mill.formColour() };
}
