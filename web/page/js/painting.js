// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Paints one label, line or shape on a 2D context whose unit is the device pixel, with the
// desktop's geometry: lines aliased on whole device pixels, circles smooth, labels on the
// button face with their captions wrapped at words.

import { Kind } from './mill.js';
import { ButtonFace, cssColour } from './colours.js';
import { deviceStroke, pixelRect, pixels, snap } from './grid.js';
import { fillConvex, fillDisc } from './raster.js';
import { paintCaption } from './text.js';
import { paintedBounds } from './painted.js';
import { paintPicture } from './pictures.js';

export function paintControl(context, control, ratio) {
  if (control.kind === Kind.Label && !control.visible) return;
  const area = control.kind === Kind.Line ? lineArea(control, ratio) : deviceArea(control, ratio);
  paintPicture(context, pictureKey(control, area, ratio), area, (offscreen) => {
    if (control.kind === Kind.Label) paintLabel(offscreen, control, ratio);
    else if (control.kind === Kind.Line) paintLine(offscreen, control, ratio);
    else paintShape(offscreen, control, ratio);
  });
}

// What a control's pixels depend on: a box's size but not its place, which lies on whole
// device pixels; everything of a line, whose ends are snapped where they fall.
function pictureKey(control, area, ratio) {
  if (control.kind === Kind.Line) return JSON.stringify([ratio, control]);
  const { left, top, width, height, ...look } = control;
  return JSON.stringify([ratio, area.width, area.height, look]);
}

// The device pixels a line's painting may touch.
function lineArea(line, ratio) {
  const b = paintedBounds(line);
  const left = Math.floor(b.left * ratio);
  const top = Math.floor(b.top * ratio);
  return {
    left,
    top,
    width: Math.ceil((b.right + 1) * ratio) - left,
    height: Math.ceil((b.bottom + 1) * ratio) - top,
  };
}

// A box's area edge to edge, in device pixels.
function deviceArea(box, ratio) {
  const r = pixelRect(box);
  const left = Math.round(r.left * ratio);
  const top = Math.round(r.top * ratio);
  return {
    left,
    top,
    width: Math.round((r.right + 1) * ratio) - left,
    height: Math.round((r.bottom + 1) * ratio) - top,
  };
}

function paintLabel(context, label, ratio) {
  const area = deviceArea(label, ratio);
  context.save();
  context.fillStyle = ButtonFace;
  context.fillRect(area.left, area.top, area.width, area.height);
  context.beginPath();
  context.rect(area.left, area.top, area.width, area.height);
  context.clip();
  paintCaption(context, label, area, ratio);
  context.restore();
}

// A stroke from `from` to `to` (device pixels) as the corners of its rectangle, `extend`
// pixels longer at each end.
function strokeCorners(from, to, width, extend) {
  const length = Math.hypot(to[0] - from[0], to[1] - from[1]) || 1;
  const ux = (to[0] - from[0]) / length;
  const uy = (to[1] - from[1]) / length;
  const [nx, ny] = [(-uy * width) / 2, (ux * width) / 2];
  const a = [from[0] - ux * extend, from[1] - uy * extend];
  const b = [to[0] + ux * extend, to[1] + uy * extend];
  return [
    [a[0] + nx, a[1] + ny],
    [b[0] + nx, b[1] + ny],
    [b[0] - nx, b[1] - ny],
    [a[0] - nx, a[1] - ny],
  ];
}

// Dots a stroke long, a stroke apart; the ends lie on pixel centres, so the pattern starts
// half a stroke in, where the dots cover whole pixels.
function paintDots(context, from, to, width) {
  const length = Math.hypot(to[0] - from[0], to[1] - from[1]);
  const along = (t) => [from[0] + ((to[0] - from[0]) * t) / length,
    from[1] + ((to[1] - from[1]) * t) / length];
  for (let start = width / 2; start < length; start += 2 * width) {
    const end = Math.min(start + width, length);
    fillConvex(context, strokeCorners(along(start), along(end), width, 0));
  }
}

function paintLine(context, line, ratio) {
  const width = deviceStroke(line.borderWidth, ratio);
  const point = (x, y) => [snap(pixels(x), width, ratio), snap(pixels(y), width, ratio)];
  const from = point(line.x1, line.y1);
  const to = point(line.x2, line.y2);
  context.fillStyle = cssColour(line.borderColor);
  if (line.dotted) {
    paintDots(context, from, to, width);
  } else if (line.borderWidth > 1) {
    fillConvex(context, strokeCorners(from, to, width, 0));
    fillDisc(context, from[0], from[1], width);
    fillDisc(context, to[0], to[1], width);
  } else {
    fillConvex(context, strokeCorners(from, to, width, width / 2));
  }
}

function paintShape(context, shape, ratio) {
  const area = deviceArea(shape, ratio);
  const width = deviceStroke(1, ratio);
  let { left, top, width: w, height: h } = area;
  if (shape.circle) {
    const diameter = Math.min(w, h);
    left += (w - diameter) / 2;
    top += (h - diameter) / 2;
    w = h = diameter;
  }
  context.beginPath();
  context.ellipse(left + w / 2, top + h / 2, (w - width) / 2, (h - width) / 2, 0, 0, 2 * Math.PI);
  if (shape.filled) {
    context.fillStyle = cssColour(shape.fillColor);
    context.fill();
  }
  context.lineWidth = width;
  context.strokeStyle = cssColour(shape.borderColor);
  context.stroke();
}
