// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the mill's WebAssembly module and makes one MillPage over the loaded form that measures
// text with the browser.

import createMill from './molen.js';
import { nextTask } from './tasks.js';
import { textMeasure } from './text.js';

// Compiling the module and loading the form are tasks of their own.
export async function openMill() {
  const module = await createMill();
  await nextTask();
  return { module, mill: new module.MillPage(textMeasure()) };
}
