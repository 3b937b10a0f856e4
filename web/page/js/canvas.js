// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's painted controls on one canvas, crisp at the device's pixel ratio: told which
// controls changed, it repaints only the pixels they covered and now cover, back to front, once
// per animation frame.

import { cssColour } from './colours.js';
import { paintControl } from './painting.js';
import { paintedBounds, readPainted, sameControl } from './painted.js';

const area = (r) => (r.right - r.left + 1) * (r.bottom - r.top + 1);
const meets = (a, b) =>
  a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;

function union(rects) {
  return {
    left: Math.min(...rects.map((r) => r.left)),
    top: Math.min(...rects.map((r) => r.top)),
    right: Math.max(...rects.map((r) => r.right)),
    bottom: Math.max(...rects.map((r) => r.bottom)),
  };
}

// One rectangle where it is at least half covered, as the desktop repaints, else each one.
function cheapestToRepaint(rects) {
  const bounds = union(rects);
  const covered = rects.reduce((sum, r) => sum + area(r), 0);
  return 2 * covered >= area(bounds) ? [bounds] : rects;
}

export class FormCanvas {
  constructor(element, mill, onPainted = () => {}) {
    this.element = element;
    this.context = element.getContext('2d', { alpha: false });
    this.mill = mill;
    this.background = cssColour(mill.formBackColor());
    this.shown = new Map(mill.ids.map((id) => [id, readPainted(mill, id)]));
    this.stale = [];
    this.onPainted = onPainted;
    this.frame = 0;
  }

  // Fits the canvas to `width` x `height` CSS pixels at the current ratio and repaints it all.
  resize(width, height) {
    this.ratio = window.devicePixelRatio || 1;
    this.width = width;
    this.height = height;
    this.element.width = Math.round(width * this.ratio);
    this.element.height = Math.round(height * this.ratio);
    this.element.style.width = `${width}px`;
    this.element.style.height = `${height}px`;
    this.invalidate({ left: 0, top: 0, right: width - 1, bottom: height - 1 });
  }

  // Control `id` may have changed: its old and new bounds are repainted if it did.
  follow(id) {
    const before = this.shown.get(id);
    if (!before) return;
    const now = readPainted(this.mill, id);
    if (sameControl(before, now)) return;
    this.shown.set(id, now);
    this.invalidate(paintedBounds(before));
    this.invalidate(paintedBounds(now));
  }

  invalidate(rect) {
    this.stale.push(rect);
    if (!this.frame) this.frame = requestAnimationFrame(() => this.paint());
  }

  paint() {
    this.frame = 0;
    const rects = cheapestToRepaint(this.stale);
    this.stale = [];
    for (const rect of rects) this.paintRect(rect);
    this.onPainted();
  }

  paintRect(rect) {
    const r = this.ratio;
    const left = Math.floor(rect.left * r);
    const top = Math.floor(rect.top * r);
    const width = Math.ceil((rect.right + 1) * r) - left;
    const height = Math.ceil((rect.bottom + 1) * r) - top;
    const c = this.context;
    c.save();
    c.beginPath();
    c.rect(left, top, width, height);
    c.clip();
    c.fillStyle = this.background;
    c.fillRect(left, top, width, height);
    for (const id of [...this.mill.ids].reverse()) {
      const control = this.shown.get(id);
      if (control && meets(rect, paintedBounds(control))) paintControl(c, control, r);
    }
    c.restore();
  }
}
