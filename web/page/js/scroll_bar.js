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
  constructor({ min, max, value, vertical, label }, onChange) {
    Object.assign(this, { min, max, value, vertical, onChange });
    const bar = document.createElement('div');
    bar.className = `scroll-bar ${vertical ? 'vertical' : 'horizontal'}`;
    bar.tabIndex = 0;
    bar.setAttribute('role', 'slider');
    bar.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
    bar.setAttribute('aria-valuemin', String(min));
    bar.setAttribute('aria-valuemax', String(max));
    bar.setAttribute('aria-label', label);
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

  step(direction) { this.set(this.value + direction); }

  trackLength() {
    const box = this.track.getBoundingClientRect();
    return this.vertical ? box.height : box.width;
  }

  onKey(event) {
    const keys = this.vertical
      ? { ArrowUp: -1, ArrowDown: 1 }
      : { ArrowLeft: -1, ArrowRight: 1 };
    const moves = { ...keys, PageUp: -1, PageDown: 1 };
    if (event.key in moves) this.step(moves[event.key]);
    else if (event.key === 'Home') this.set(this.min);
    else if (event.key === 'End') this.set(this.max);
    else return;
    event.preventDefault();
  }

  // Turning the wheel towards the user raises the value, away lowers it, by one step a notch:
  // the desktop's three lines a notch, but never more than a page, which is one step here.
  onWheel(event) {
    const delta = event.deltaY || event.deltaX;
    if (!delta) return;
    event.preventDefault(); // the slider takes the wheel, the page does not scroll
    this.step(Math.sign(delta));
  }

  // Where the thumb starts along the track, in CSS pixels.
  thumbStart() {
    const thumb = this.thumb.getBoundingClientRect();
    const track = this.track.getBoundingClientRect();
    return this.vertical ? thumb.top - track.top : thumb.left - track.left;
  }

  // Where `event` falls along the track, in CSS pixels from its start.
  along(event) {
    const box = this.track.getBoundingClientRect();
    return this.vertical ? event.clientY - box.top : event.clientX - box.left;
  }

  // One step towards the pointer while the thumb is not under it.
  pageTowards(event) {
    if (event.target === this.thumb) return;
    const thumbStart = this.thumbStart();
    const at = this.along(event);
    if (at < thumbStart) this.step(-1);
    else if (at > thumbStart + ThumbLength) this.step(1);
  }

  // Runs `action` on press, then again and again while the button is held.
  holdToRepeat(target, action) {
    target.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || (target === this.track && event.target !== this.track)) return;
      event.preventDefault();
      this.element.focus();
      let latest = event;
      action(latest);
      const follow = (moved) => { latest = moved; };
      let timer = setTimeout(function repeat() {
        action(latest);
        timer = setTimeout(repeat, RepeatInterval);
      }, RepeatDelay);
      const stop = () => {
        clearTimeout(timer);
        window.removeEventListener('pointermove', follow);
        window.removeEventListener('pointerup', stop);
        window.removeEventListener('pointercancel', stop);
      };
      window.addEventListener('pointermove', follow);
      window.addEventListener('pointerup', stop);
      window.addEventListener('pointercancel', stop);
    });
  }

  drag(event) {
    if (event.button !== 0) return;
    event.preventDefault();
    this.element.focus();
    const grip = this.along(event) - this.thumbStart();
    const move = (moved) => {
      const free = this.trackLength() - ThumbLength;
      const fraction = free > 0 ? (this.along(moved) - grip) / free : 0;
      this.set(Math.round(this.min + fraction * (this.max - this.min)));
    };
    const stop = () => {
      window.removeEventListener('pointermove', move);
      window.removeEventListener('pointerup', stop);
    };
    window.addEventListener('pointermove', move);
    window.addEventListener('pointerup', stop);
  }
}
