// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's painted controls on one canvas at the device's pixel ratio. Once an animation
// frame the module paints what went stale, handing this backend its operations in device pixels.

import { cssColours } from './colours.js';
import { cssFont } from './text.js';

function clipTo(context, { left, top, width, height }) {
  context.save();
  context.beginPath();
  context.rect(left, top, width, height);
  context.clip();
}

// The calls of the module's canvas backend on a 2D context whose unit is the device pixel.
function backend(context, colourOf) {
  const layer = document.createElement('canvas');
  return {
    clip: (area) => clipTo(context, area),
    unclip: () => context.restore(),
    fillRect({ left, top, width, height }, colour) {
      context.fillStyle = colourOf(colour);
      context.fillRect(left, top, width, height);
    },
    fillSpans(spans, colour) { // y, left, length: one pixel high each
      context.fillStyle = colourOf(colour);
      for (let i = 0; i < spans.length; i += 3) context.fillRect(spans[i + 1], spans[i], spans[i + 2], 1);
    },
    // Antialiased, as circles look best, on a transparent layer copied onto the canvas: its
    // edge pixels blend with the background as they always have on this page.
    ring({ left, top, width: w, height: h }, centre, radiusX, radiusY, width, border, fill) {
      // Exactly the layer's size: where the canvas's edge cuts a figure decides its edge pixels.
      if (layer.width !== w || layer.height !== h) Object.assign(layer, { width: w, height: h });
      const c = layer.getContext('2d');
      c.setTransform(1, 0, 0, 1, -left, -top);
      c.clearRect(left, top, w, h);
      c.beginPath();
      c.ellipse(centre.x, centre.y, radiusX, radiusY, 0, 0, 2 * Math.PI);
      if (fill) Object.assign(c, { fillStyle: colourOf(fill) }).fill();
      Object.assign(c, { lineWidth: width, strokeStyle: colourOf(border) }).stroke();
      context.drawImage(layer, left, top);
    },
    caption(clip, weight, pixelSize, colour, lines) {
      clipTo(context, clip);
      context.font = cssFont(weight, pixelSize);
      context.fillStyle = colourOf(colour);
      context.textBaseline = 'alphabetic';
      for (const line of lines) context.fillText(line.text, line.x, line.baseline);
      context.restore();
    },
  };
}

export class FormCanvas {
  // `mill` is the module's MillPage, `module` the module with its enums.
  constructor(element, mill, module) {
    this.element = element;
    this.mill = mill;
    const context = element.getContext('2d', { alpha: false });
    this.backend = backend(context, cssColours(module.SystemColour));
    this.frame = 0;
    this.painted = false;
  }

  // Fits the canvas to `width` x `height` form pixels at `ratio` device pixels each and
  // repaints it all. Its box holds just its device pixels, so that none is stretched.
  resize(width, height, ratio) {
    const size = `${width}x${height}@${ratio}`;
    if (size === this.size) return;
    this.size = size;
    this.ratio = ratio;
    const device = this.mill.exposeAll(width, height, ratio);
    Object.assign(this.element, { width: device.width, height: device.height });
    Object.assign(this.element.style,
      { width: `${device.width / ratio}px`, height: `${device.height / ratio}px` });
    this.invalidate();
  }

  // Something may have gone stale: the next animation frame paints it.
  invalidate() {
    if (!this.frame) this.frame = requestAnimationFrame(() => this.paint());
  }

  paint() {
    this.frame = 0;
    if (this.mill.paint(this.ratio, this.backend) > 0 && !this.painted) {
      this.painted = true;
      performance.mark('molen-first-frame');
    }
  }
}
