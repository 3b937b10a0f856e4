// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A scroll bar that sets a value: two arrow buttons, a track and a draggable thumb, Min at the
// left or top, the desktop's keys, and role="slider" for assistive technology.

const ThumbLength = 26; // CSS pixels, the shortest thumb of the desktop's style
const RepeatDelay = 500;
const RepeatInterval = 50;

const part = (className, parent) => {
  const element = document.createElement('div');
  element.className = className;
  parent.append(element);
  return element;
};

export class ScrollBar {
  // `onChange(value)` hears every value the user sets.
  constructor({ min, max, value, vertical, label, smallChange, largeChange }, onChange) {
    Object.assign(this, { min, max, value, vertical, smallChange, largeChange, onChange });
    const orientation = vertical ? 'vertical' : 'horizontal';
    const bar = Object.assign(document.createElement('div'),
      { className: `scroll-bar ${orientation}`, tabIndex: 0 });
    const aria = { role: 'slider', 'aria-orientation': orientation, 'aria-valuemin': min,
      'aria-valuemax': max, 'aria-label': label };
    for (const [name, text] of Object.entries(aria)) bar.setAttribute(name, String(text));
    this.element = bar;
    const lower = part('arrow lower', bar);
    this.track = part('track', bar);
    this.thumb = part('thumb', this.track);
    const higher = part('arrow higher', bar);
    this.holdToRepeat(lower, () => this.step(-1));
    this.holdToRepeat(higher, () => this.step(1));
    this.holdToRepeat(this.track, (event) => this.pageTowards(event));
    this.thumb.addEventListener('pointerdown', (event) => this.drag(event));
    bar.addEventListener('keydown', (event) => this.onKey(event));
    bar.addEventListener('wheel', (event) => this.onWheel(event), { passive: false });
    bar.addEventListener('contextmenu', (event) => event.preventDefault()); // a finger held still
    this.show(value);
  }

  // Shows `value` without telling anyone: the model already holds it.
  show(value) {
    this.value = value;
    this.element.setAttribute('aria-valuenow', String(value));
    const fraction = (value - this.min) / (this.max - this.min || 1);
    this.thumb.style[this.vertical ? 'top' : 'left'] =
      `calc((100% - ${ThumbLength}px) * ${fraction})`;
  }

  set(value) {
    const clamped = Math.min(this.max, Math.max(this.min, value));
    if (clamped === this.value) return;
    this.show(clamped);
    this.onChange(clamped);
  }

  step(direction, by = this.smallChange) { this.set(this.value + direction * by); }

  onKey(event) {
    const keys = this.vertical ? { ArrowUp: -1, ArrowDown: 1 } : { ArrowLeft: -1, ArrowRight: 1 };
    const pages = { PageUp: -1, PageDown: 1 };
    if (event.key in keys) this.step(keys[event.key]);
    else if (event.key in pages) this.step(pages[event.key], this.largeChange);
    else if (event.key === 'Home') this.set(this.min);
    else if (event.key === 'End') this.set(this.max);
    else return;
    event.preventDefault();
  }

  // Turning the wheel towards the user raises the value, away lowers it: the desktop's three
  // small steps a notch, but never more than a page.
  onWheel(event) {
    const delta = event.deltaY || event.deltaX;
    if (!delta) return;
    event.preventDefault(); // the slider takes the wheel, the page does not scroll
    this.step(Math.sign(delta), Math.min(3 * this.smallChange, this.largeChange));
  }

  // Where a pointer event or box falls along the track, and the length of a box along it, in
  // pixels of the screen: the page may show the bar at any scale.
  along({ clientX, clientY, left = clientX, top = clientY }) {
    const box = this.track.getBoundingClientRect();
    return this.vertical ? top - box.top : left - box.left;
  }
  lengthOf(element) {
    const box = element.getBoundingClientRect();
    return this.vertical ? box.height : box.width;
  }

  // One page towards the pointer while the thumb is not under it.
  pageTowards(event) {
    if (event.target === this.thumb) return;
    const thumbStart = this.along(this.thumb.getBoundingClientRect());
    const at = this.along(event);
    if (at < thumbStart) this.step(-1, this.largeChange);
    else if (at > thumbStart + this.lengthOf(this.thumb)) this.step(1, this.largeChange);
  }

  // Runs `action` on press, then again and again while the button is held.
  holdToRepeat(target, action) {
    target.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || (target === this.track && event.target !== this.track)) return;
      let latest = event;
      let timer = setTimeout(function repeat() {
        action(latest);
        timer = setTimeout(repeat, RepeatInterval);
      }, RepeatDelay);
      this.press(event, (moved) => { latest = moved; }, () => clearTimeout(timer));
      action(latest);
    });
  }

  drag(event) {
    if (event.button !== 0) return;
    const grip = this.along(event) - this.along(this.thumb.getBoundingClientRect());
    this.press(event, (moved) => {
      const free = this.lengthOf(this.track) - this.lengthOf(this.thumb);
      const fraction = free > 0 ? (this.along(moved) - grip) / free : 0;
      this.set(Math.round(this.min + fraction * (this.max - this.min)));
    });
  }

  // The bar takes the focus and hears the pointer's moves until it is let go, or until the
  // window loses the focus or is hidden: the release then never comes to the page.
  press(event, onMove, onStop = () => {}) {
    event.preventDefault();
    this.element.focus({ preventScroll: true });
    const moves = new AbortController();
    const stop = () => {
      onStop();
      moves.abort();
    };
    const { signal } = moves;
    window.addEventListener('pointermove', onMove, { signal });
    for (const type of ['pointerup', 'pointercancel', 'blur']) window.addEventListener(type, stop, { signal });
    document.addEventListener('visibilitychange', () => document.hidden && stop(), { signal });
  }
}
