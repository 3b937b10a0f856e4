// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped face as CSS names it, and the browser's measures of it at device size, for the
// module to lay captions out with.

export const FaceName = 'Liberation Sans';

// Where the shipped face did not arrive, the browser's own sans-serif face stands in.
export const cssFont = (weight, pixelSize) => `${weight} ${pixelSize}px "${FaceName}", sans-serif`;

// advance(text, weight, pixelSize) and metrics(weight, pixelSize), in device pixels.
export function textMeasure() {
  const context = document.createElement('canvas').getContext('2d');
  let font = '';
  const use = (weight, pixelSize) => {
    const wanted = cssFont(weight, pixelSize);
    if (font !== wanted) context.font = font = wanted; // setting a font parses it afresh
  };
  return {
    advance(text, weight, pixelSize) {
      use(weight, pixelSize);
      return context.measureText(text).width;
    },
    metrics(weight, pixelSize) {
      use(weight, pixelSize);
      const metrics = context.measureText('Hg');
      const ascent = Math.round(metrics.fontBoundingBoxAscent);
      return { ascent, lineHeight: ascent + Math.round(metrics.fontBoundingBoxDescent) };
    },
  };
}
