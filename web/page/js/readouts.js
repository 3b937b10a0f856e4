// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted texts that change as the mill runs, as text that assistive technology can read
// when asked, without a live region announcing every tick; only the advice is a live region,
// announced once each time it appears.

export class Readouts {
  // `states`: the module's live texts, the banner first, then top to bottom; `adviceId`: the
  // one among them that is announced as it appears.
  constructor(container, states, adviceId) {
    this.items = new Map();
    this.adviceId = adviceId;
    for (const state of states) {
      const item = document.createElement('p');
      if (state.id === adviceId) {
        item.setAttribute('role', 'status');
        item.setAttribute('aria-live', 'polite');
      }
      container.append(item);
      this.items.set(state.id, item);
      this.follow(state, true);
    }
  }

  // `state` is a live text whose caption or visibility changed; `adviceAppeared`, the module's
  // word that the advice has just appeared.
  follow({ id, text, visible }, adviceAppeared) {
    const item = this.items.get(id);
    if (id !== this.adviceId) {
      item.textContent = text;
      item.hidden = !visible;
    } else if (adviceAppeared || !visible) {
      // The region stays, empty while the advice is hidden: its text set as the advice appears
      // is one announcement, and emptying it as the advice goes is none.
      item.textContent = visible ? text : '';
    }
  }
}
