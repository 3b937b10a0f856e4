// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the mill's WebAssembly module: its declared enums, and one MillPage over the loaded
// form that measures text with the browser.

import createMill from './molen.js';
import { textMeasure } from './text.js';

export async function openMill() {
  const module = await createMill();
  return { module, mill: new module.MillPage(textMeasure()) };
}
