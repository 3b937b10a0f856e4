// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's painted controls on one canvas at the device's pixel ratio. Once an animation
// frame the module paints what went stale, handing this backend its operations in device pixels.

import { cssColours } from './colours.js';
import { cssFont } from './text.js';

// Clips, until the matching restore, to the union of `areas`, whole device pixels each.
function clipTo(context, ...areas) {
  context.save();
  context.beginPath();
  for (const { left, top, width, height } of areas) context.rect(left, top, width, height);
  context.clip();
}

// The calls of the module's canvas backend on a 2D context whose unit is the device pixel.
function backend(context, colourOf) {
  return {
    clip: (areas) => clipTo(context, ...areas),
    unclip: () => context.restore(),
    fillRect({ left, top, width, height }, colour) {
      context.fillStyle = colourOf(colour);
      context.fillRect(left, top, width, height);
    },
    // One path of every span, filled once: its edges lie on pixel boundaries, so that each
    // device pixel is covered whole or not at all, and one fill costs far less than a fill a span.
    fillSpans(spans, colour) { // y, left, length: one pixel high each
      context.beginPath();
      for (let i = 0; i < spans.length; i += 3) context.rect(spans[i + 1], spans[i], spans[i + 2], 1);
      context.fillStyle = colourOf(colour);
      context.fill();
    },
    // Antialiased, as circles look best, clipped to the figure's box.
    ring(box, centre, radiusX, radiusY, width, border, fill) {
      clipTo(context, box);
      context.beginPath();
      context.ellipse(centre.x, centre.y, radiusX, radiusY, 0, 0, 2 * Math.PI);
      if (fill) Object.assign(context, { fillStyle: colourOf(fill) }).fill();
      Object.assign(context, { lineWidth: width, strokeStyle: colourOf(border) }).stroke();
      context.restore();
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
