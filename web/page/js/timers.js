// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One browser timer per form timer, started, stopped and re-timed only when the model says so.
// Each tick is due one interval after the last one was due, so that the periods keep their mean
// and a tick a busy machine held up is made up at once. A timer held up for longer than
// CatchUpLimit (a tab in the background, which browsers slow to a tick a second or less) counts
// afresh from now instead of catching up with a burst of ticks.

const CatchUpLimit = 250; // ms

export class TimerBank {
  // `views`: the module's timers; `onTick(id)` delivers the tick of timer `id`. No timer runs
  // before `start`.
  constructor(views, onTick) {
    this.onTick = onTick;
    this.timers = new Map();
    for (const { id, interval } of views) this.timers.set(id, { interval, due: 0, handle: 0, on: false });
    this.started = false;
  }

  // `views`: the timers as the model holds them now, which the user may have changed (the
  // button takes a click as soon as it is shown) since the bank was made.
  start(views) {
    this.started = true;
    for (const view of views) this.follow(view);
  }

  // The control may have changed: a timer follows its Enabled and Interval.
  follow({ id, enabled, interval }) {
    const timer = this.timers.get(id);
    if (!timer) return;
    if (!this.started || !enabled) return this.stop(timer);
    if (timer.interval !== interval || !timer.on) {
      timer.interval = interval; // a new interval counts from now
      timer.on = true;
      this.schedule(id, timer, performance.now() + interval);
    }
  }

  stop(timer) {
    clearTimeout(timer.handle);
    Object.assign(timer, { on: false, handle: 0 });
  }

  schedule(id, timer, due) {
    clearTimeout(timer.handle);
    timer.due = due;
    timer.handle = setTimeout(() => this.tick(id, timer), Math.max(0, due - performance.now()));
  }

  tick(id, timer) {
    timer.handle = 0;
    const due = timer.due;
    this.onTick(id);
    if (!timer.on || timer.handle) return; // stopped or re-timed by its own procedure
    const now = performance.now();
    const next = due + timer.interval;
    this.schedule(id, timer, next > now - CatchUpLimit ? next : now + timer.interval);
  }
}
