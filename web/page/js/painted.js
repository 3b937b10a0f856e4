// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted controls (labels, lines, shapes) read from the mill as plain objects, and the
// CSS pixels each one's painting covers.

import { Kind, P } from './mill.js';
import { pixelRect, pixels } from './grid.js';

const AntialiasMargin = 2; // CSS pixels

function readBox(mill, id) {
  const n = (property) => mill.number(id, property);
  return { left: n(P.Left), top: n(P.Top), width: n(P.Width), height: n(P.Height) };
}

const readers = {
  [Kind.Label]: (mill, id) => ({
    ...readBox(mill, id),
    caption: mill.text(id),
    foreColor: mill.number(id, P.ForeColor),
    alignment: mill.number(id, P.Alignment),
    fontSize: mill.number(id, P.FontSize),
    fontWeight: mill.number(id, P.FontWeight),
    visible: mill.number(id, P.Visible) === 1,
  }),
  [Kind.Line]: (mill, id) => ({
    x1: mill.number(id, P.X1),
    y1: mill.number(id, P.Y1),
    x2: mill.number(id, P.X2),
    y2: mill.number(id, P.Y2),
    borderWidth: mill.number(id, P.BorderWidth),
    dotted: mill.number(id, P.BorderStyle) === 3,
    borderColor: mill.number(id, P.BorderColor),
  }),
  [Kind.Shape]: (mill, id) => ({
    ...readBox(mill, id),
    circle: mill.number(id, P.Shape) === 3,
    filled: mill.number(id, P.FillStyle) === 0,
    fillColor: mill.number(id, P.FillColor),
    borderColor: mill.number(id, P.BorderColor),
  }),
};

// The control as {kind, ...properties} if it is painted, null otherwise.
export function readPainted(mill, id) {
  const kind = mill.kind(id);
  const reader = readers[kind];
  return reader ? { kind, ...reader(mill, id) } : null;
}

// The CSS pixels {left, top, right, bottom} (inclusive) that painting `control` may touch.
export function paintedBounds(control) {
  if (control.kind !== Kind.Line) return pixelRect(control); // labels clip to their box
  const reach = Math.floor((control.borderWidth + 1) / 2) + AntialiasMargin;
  const xs = [pixels(control.x1), pixels(control.x2)];
  const ys = [pixels(control.y1), pixels(control.y2)];
  return {
    left: Math.floor(Math.min(...xs)) - reach,
    top: Math.floor(Math.min(...ys)) - reach,
    right: Math.ceil(Math.max(...xs)) + reach,
    bottom: Math.ceil(Math.max(...ys)) + reach,
  };
}

export const sameControl = (a, b) => JSON.stringify(a) === JSON.stringify(b);
