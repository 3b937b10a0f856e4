// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Aliased filling in device pixels, as the desktop draws lines: a pixel is covered when its
// centre lies inside the figure, and each covered run of a row is one whole-pixel rectangle.

// Fills a convex polygon given as [[x, y], ...] in device pixels.
export function fillConvex(context, corners) {
  const ys = corners.map(([, y]) => y);
  const first = Math.ceil(Math.min(...ys) - 0.5);
  const last = Math.floor(Math.max(...ys) - 0.5);
  for (let row = first; row <= last; row++) {
    const span = rowSpan(corners, row + 0.5);
    if (span) fillRun(context, row, span[0], span[1]);
  }
}

// Fills a disc of `diameter` device pixels centred on (x, y).
export function fillDisc(context, x, y, diameter) {
  const radius = diameter / 2;
  const first = Math.ceil(y - radius - 0.5);
  const last = Math.floor(y + radius - 0.5);
  for (let row = first; row <= last; row++) {
    const dy = row + 0.5 - y;
    const half = Math.sqrt(Math.max(0, radius * radius - dy * dy));
    fillRun(context, row, x - half, x + half);
  }
}

// The pixels whose centres lie between `from` and `to` on `row`.
function fillRun(context, row, from, to) {
  const left = Math.ceil(from - 0.5);
  const right = Math.floor(to - 0.5);
  if (right >= left) context.fillRect(left, row, right - left + 1, 1);
}

// Where the horizontal line at `y` crosses the polygon's edges: [min, max] or null.
function rowSpan(corners, y) {
  let min = Infinity;
  let max = -Infinity;
  for (let i = 0; i < corners.length; i++) {
    const [x1, y1] = corners[i];
    const [x2, y2] = corners[(i + 1) % corners.length];
    if ((y < y1 && y < y2) || (y > y1 && y > y2) || y1 === y2) continue;
    const x = x1 + ((y - y1) * (x2 - x1)) / (y2 - y1);
    min = Math.min(min, x);
    max = Math.max(max, x);
  }
  return min <= max ? [min, max] : null;
}
