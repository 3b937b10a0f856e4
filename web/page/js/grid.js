// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the form's twips fall on CSS pixels, and how strokes are laid on whole device pixels so
// that they stay crisp at any devicePixelRatio.

export const TwipsPerPixel = 15;

export const pixels = (twips) => twips / TwipsPerPixel;

// A box's outermost pixels {left, top, right, bottom}, each edge rounded to the nearest pixel.
export function pixelRect(box) {
  const edge = (twips) => Math.round(pixels(twips));
  return {
    left: edge(box.left),
    top: edge(box.top),
    right: edge(box.left + box.width) - 1,
    bottom: edge(box.top + box.height) - 1,
  };
}

// A stroke `width` CSS pixels wide as a whole number of device pixels, at least one.
export const deviceStroke = (width, ratio) => Math.max(1, Math.round(width * ratio));

// The device pixel centre (odd widths) or corner (even widths) nearest to a CSS coordinate,
// in device pixels.
export function snap(coordinate, deviceWidth, ratio) {
  const device = coordinate * ratio;
  return deviceWidth % 2 ? Math.floor(device) + 0.5 : Math.round(device);
}
