// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted texts that change as the mill runs, as text that assistive technology can read
// when asked, without a live region announcing every tick.

export class Readouts {
  // `views`: the module's live texts, the banner first, then top to bottom.
  constructor(container, views) {
    this.items = new Map();
    for (const view of views) {
      const item = document.createElement('p');
      container.append(item);
      this.items.set(view.id, item);
      this.follow(view);
    }
  }

  follow(view) {
    const item = this.items.get(view.id);
    if (!item) return;
    if (item.textContent !== view.text) item.textContent = view.text;
    item.hidden = !view.visible;
  }
}
