// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One browser timer per form timer, set for the time the module says the timer is next due and
// cleared when it says the timer stopped: when a tick is due is the module's to say alone.

// A tick whose handling failed before the module could say when the timer is next due is
// delivered again after this long, so that no error leaves a timer stopped for good.
const RetryAfter = 100; // ms

export class TimerBank {
  // `onTick(id)` delivers the tick of timer `id`; whatever it throws is thrown on, after the
  // timer is set again.
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
      if (due !== null) this.arm(id, due - performance.now());
    }
  }

  arm(id, delay) {
    const handle = setTimeout(() => {
      try {
        this.onTick(id);
      } finally {
        // Not followed since: the tick did not reach the module, which still wants it.
        if (this.handles.get(id) === handle) this.arm(id, RetryAfter);
      }
    }, Math.max(0, delay));
    this.handles.set(id, handle);
  }
}
