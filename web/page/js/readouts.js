// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted texts that change as the mill runs, as text that assistive technology can read
// when asked, without a live region announcing every tick.

import { P } from './mill.js';

// The banner first, then top to bottom.
const ShownTexts = ['Label10', 'Label6', 'Label7', 'Label9', 'Label1'];

export class Readouts {
  constructor(container, mill) {
    this.mill = mill;
    this.items = new Map();
    for (const name of ShownTexts) {
      const id = mill.find(name);
      const item = document.createElement('p');
      item.dataset.control = name;
      container.append(item);
      this.items.set(id, item);
      this.follow(id);
    }
  }

  follow(id) {
    const item = this.items.get(id);
    if (!item) return;
    const text = this.mill.text(id);
    if (item.textContent !== text) item.textContent = text;
    item.hidden = this.mill.number(id, P.Visible) !== 1;
  }
}
