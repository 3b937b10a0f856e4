// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted texts that change as the mill runs, as text that assistive technology can read
// when asked, without a live region announcing every tick; only the advice is a live region,
// announced once each time it appears.

export class Readouts {
  // `views`: the module's live texts, the banner first, then top to bottom; `adviceId`: the
  // one among them that is announced as it appears.
  constructor(container, views, adviceId) {
    this.items = new Map();
    this.adviceId = adviceId;
    for (const view of views) {
      const item = document.createElement('p');
      if (view.id === adviceId) {
        item.setAttribute('role', 'status');
        item.setAttribute('aria-live', 'polite');
      }
      container.append(item);
      this.items.set(view.id, item);
      this.follow(view);
    }
  }

  follow(view) {
    const item = this.items.get(view.id);
    if (!item) return;
    if (view.id === this.adviceId) {
      // The region stays, empty while the advice is hidden: its text set as the advice appears
      // is one announcement, and emptying it as the advice goes is none.
      const text = view.visible ? view.text : '';
      if (item.textContent !== text) item.textContent = text;
      return;
    }
    if (item.textContent !== view.text) item.textContent = view.text;
    item.hidden = !view.visible;
  }
}
