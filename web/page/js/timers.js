// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One browser timer per form timer, set for the time the module says the timer is next due and
// cleared when it says the timer stopped: when a tick is due is the module's to say alone.

export class TimerBank {
  // `onTick(id)` delivers the tick of timer `id`.
  constructor(onTick) {
    this.onTick = onTick;
    this.handles = new Map();
  }

  // `timers`: {id, due} of each timer whose next tick moved, `due` null where it stopped; times
  // are performance.now()'s.
  follow(timers) {
    for (const { id, due } of timers) {
      clearTimeout(this.handles.get(id));
      this.handles.delete(id);
      if (due !== null) {
        this.handles.set(id, setTimeout(() => this.onTick(id), Math.max(0, due - performance.now())));
      }
    }
  }
}
