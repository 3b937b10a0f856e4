// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label's caption in the shipped face, wrapped at spaces to its box's width and aligned in
// it, from the top, as the desktop lays it out.

import { cssColour } from './colours.js';

export const FaceName = 'Liberation Sans';

const Align = { 0: 'left', 1: 'right', 2: 'centre' };

// The CSS font for a form font of `points` points, scaled to device pixels.
export function cssFont(points, weight, ratio = 1) {
  return `${weight} ${(points * 96 * ratio) / 72}px "${FaceName}"`;
}

// The caption's lines, breaking only after a run of spaces; a word longer than the width
// keeps a line of its own. Trailing spaces hang past the width.
export function wrap(context, caption, width) {
  const words = caption.split(/(?<= )(?=[^ ])/);
  const lines = [];
  let line = '';
  for (const word of words) {
    const candidate = line + word;
    if (line && context.measureText(candidate.trimEnd()).width > width) {
      lines.push(line);
      line = word;
    } else {
      line = candidate;
    }
  }
  lines.push(line);
  return lines;
}

// Paints the label's caption into `area` (device pixels); the context is clipped to it.
export function paintCaption(context, label, area, ratio) {
  context.font = cssFont(label.fontSize, label.fontWeight, ratio);
  context.fillStyle = cssColour(label.foreColor);
  context.textBaseline = 'alphabetic';
  const metrics = context.measureText('Hg');
  const ascent = Math.round(metrics.fontBoundingBoxAscent);
  const height = ascent + Math.round(metrics.fontBoundingBoxDescent);
  const align = Align[label.alignment];
  wrap(context, label.caption, area.width).forEach((line, row) => {
    const shown = line.trimEnd();
    const width = context.measureText(shown).width;
    let x = area.left;
    if (align === 'right') x += area.width - width;
    else if (align === 'centre') x += (area.width - width) / 2;
    context.fillText(shown, x, area.top + ascent + row * height);
  });
}
