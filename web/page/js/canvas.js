// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's painted controls on one canvas at the device's pixel ratio. Once an animation
// frame the module paints what went stale, handing this backend its operations in device pixels.

import { cssFont } from './text.js';

// Clips, until the matching restore, to the union of `areas`, whole device pixels each.
function clipTo(context, areas) {
  context.save();
  context.beginPath();
  for (const { left, top, width, height } of areas) context.rect(left, top, width, height);
  context.clip();
}

// Each ring drawn once on a transparent canvas the size of its box, kept while it stays the same.
class RingLayers {
  static Most = 8; // two rings, and the sizes one of them was given last

  constructor() {
    this.layers = new Map();
  }

  layer(box, centre, radiusX, radiusY, width, border, fill) {
    const key = JSON.stringify([box, centre, radiusX, radiusY, width, border, fill]);
    let layer = this.layers.get(key);
    if (layer) return layer;
    if (this.layers.size >= RingLayers.Most) this.layers.clear();
    layer = Object.assign(document.createElement('canvas'), { width: box.width, height: box.height });
    const c = layer.getContext('2d');
    c.translate(-box.left, -box.top);
    c.beginPath();
    c.ellipse(centre.x, centre.y, radiusX, radiusY, 0, 0, 2 * Math.PI);
    if (fill) Object.assign(c, { fillStyle: fill }).fill();
    Object.assign(c, { lineWidth: width, strokeStyle: border }).stroke();
    this.layers.set(key, layer);
    return layer;
  }
}

// The calls of the module's canvas backend on a 2D context whose unit is the device pixel.
function backend(context) {
  const rings = new RingLayers();
  return {
    // One path of every rectangle, filled once: its edges lie on pixel boundaries, so that each
    // device pixel is covered whole or not at all, and one fill costs far less than a fill each.
    fillRects(rects, colour) { // left, top, width, height
      context.beginPath();
      for (let i = 0; i < rects.length; i += 4) context.rect(rects[i], rects[i + 1], rects[i + 2], rects[i + 3]);
      context.fillStyle = colour;
      context.fill();
    },
    // Antialiased, as circles look best: drawn whole on a layer of its box, which is copied.
    // Where a canvas's clip starts changes how an antialiased edge comes out, so a ring drawn
    // on the canvas in pieces would not match the same ring painted whole.
    ring(clips, box, centre, radiusX, radiusY, width, border, fill) {
      const layer = rings.layer(box, centre, radiusX, radiusY, width, border, fill);
      clipTo(context, clips);
      context.drawImage(layer, box.left, box.top);
      context.restore();
    },
    caption(clips, weight, pixelSize, colour, lines) {
      clipTo(context, clips);
      context.font = cssFont(weight, pixelSize);
      context.fillStyle = colour;
      context.textBaseline = 'alphabetic';
      for (const line of lines) context.fillText(line.text, line.x, line.baseline);
      context.restore();
    },
  };
}

export class FormCanvas {
  // `mill` is the module's MillPage.
  constructor(element, mill) {
    this.element = element;
    this.mill = mill;
    this.context = element.getContext('2d', { alpha: false });
    this.backend = backend(this.context);
    this.frame = 0;
    this.painted = false;
  }

  // Sizes the canvas for `width` x `height` form pixels at `ratio` device pixels each, its box
  // just its device pixels, so that none is stretched; false if it was already.
  fit(width, height, ratio) {
    const size = `${width}x${height}@${ratio}`;
    if (size === this.size) return false;
    this.size = size;
    this.area = { width, height };
    this.ratio = ratio;
    const device = this.mill.deviceArea(width, height, ratio);
    Object.assign(this.element, { width: device.width, height: device.height });
    Object.assign(this.element.style,
      { width: `${device.width / ratio}px`, height: `${device.height / ratio}px` });
    return true;
  }

  // Fits the canvas and repaints it all; or takes the pixels of `painted`, a FormCanvas that
  // already shows the whole form at that size.
  resize(width, height, ratio, painted = null) {
    if (!this.fit(width, height, ratio)) return;
    if (painted?.size === this.size) {
      this.context.drawImage(painted.element, 0, 0);
      this.shown();
    } else {
      this.mill.expose(0, 0, width, height);
      this.invalidate();
    }
  }

  // A context the browser lost (as when the graphics card is reset) comes back blank: all of the
  // form is painted again, its rings' layers too.
  repaintWhenRestored() {
    this.element.addEventListener('contextrestored', () => {
      this.backend = backend(this.context);
      if (!this.area) return;
      this.mill.expose(0, 0, this.area.width, this.area.height);
      this.invalidate();
    });
  }

  // Something may have gone stale: the next animation frame paints it.
  invalidate() {
    if (!this.frame) this.frame = requestAnimationFrame(() => this.paint());
  }

  // Until it is sized, what goes stale is left to the painting off screen (see app.js).
  paint() {
    this.frame = 0;
    if (this.size && this.mill.paint(this.ratio, this.backend) > 0) this.shown();
  }

  shown() {
    if (this.painted) return;
    this.painted = true;
    performance.mark('molen-first-frame');
  }
}
