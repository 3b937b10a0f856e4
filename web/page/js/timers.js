// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One browser timer per form timer, set for the time the module says the timer is next due and
// cleared when it says the timer stopped: when a tick is due is the module's to say alone.

// A tick whose handling failed before the module could say when the timer is next due is
// delivered again after this long, so that no error leaves a timer stopped for good.
const RetryAfter = 100; // ms

export class TimerBank {
  // `onTick(id)` delivers the tick of timer `id`; whatever it throws is thrown on, once the
  // timer is set again.
  constructor(onTick) {
    this.onTick = onTick;
    this.handles = new Map();
    this.dues = new Map(); // of each running timer
  }

  // `timers`: {id, due} of each timer whose next tick moved, `due` null where it stopped; times
  // are performance.now()'s.
  follow(timers) {
    for (const { id, due } of timers) {
      clearTimeout(this.handles.get(id));
      this.handles.delete(id);
      if (due === null) this.dues.delete(id);
      else this.dues.set(id, due);
    }
    for (const { id, due } of timers) if (due !== null) this.arm(id, due);
  }

  arm(id, due) {
    const handle = setTimeout(() => {
      try {
        this.onTick(id);
      } finally {
        this.armIfLost(id, handle);
      }
    }, Math.max(0, due - performance.now()));
    this.handles.set(id, handle);
  }

  // After the tick of `fired`: a running timer that the tick left unset is set again, for the
  // time the module gave or, where its tick never reached the module, a moment from now.
  armIfLost(id, fired) {
    const handle = this.handles.get(id);
    if (!this.dues.has(id) || (handle !== undefined && handle !== fired)) return;
    this.arm(id, handle === fired ? performance.now() + RetryAfter : this.dues.get(id));
  }
}
