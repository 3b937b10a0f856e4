// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each field's and slider's target at least 24 CSS pixels each way on the screen, however small
// the stage shows the form: its element reaches out past its painted box with a transparent
// border (the style sheet draws the visible edge inside it). No reach meets another control's
// painted box or reach; the controls with the least room take theirs first. Where the form sets
// them too close for that (a slider between two fields on the smallest phones), the slider
// reaches under the fields' reaches, the fields lying above it, and along its length until a
// whole square of its own is free.

const Target = 24; // CSS pixels, each way
const Apart = 1; // form pixels kept between two controls' targets, lest a hit fall on the other
const Sides = ['left', 'top', 'right', 'bottom'];
const edges = ({ left, top, width, height }) => ({ left, top, right: left + width, bottom: top + height });
const grown = (box, reach) => ({ left: box.left - reach.left, top: box.top - reach.top,
  right: box.right + reach.right, bottom: box.bottom + reach.bottom });
const across = (side) => (side === 'left' || side === 'right' ? ['top', 'bottom'] : ['left', 'right']);
const meets = (a, b, side) => { const [low, high] = across(side); return a[low] < b[high] && b[low] < a[high]; };
const gap = (own, other, side) => ({ left: own.left - other.right, right: other.left - own.right,
  top: own.top - other.bottom, bottom: other.top - own.bottom }[side]);

// How far `own` may reach towards each side before it meets one of `others`.
function roomOf(own, others) {
  const room = { left: Infinity, top: Infinity, right: Infinity, bottom: Infinity };
  for (const other of others) {
    for (const side of Sides) {
      const free = gap(own, other, side);
      if (meets(own, other, side) && free >= 0) room[side] = Math.min(room[side], Math.max(0, free - Apart));
    }
  }
  return room;
}

// Grows `size` to `needed`, half each way where there is room, the rest on the other side.
function grow(size, needed, roomLow, roomHigh) {
  const missing = Math.max(0, needed - size);
  const low = Math.min(roomLow, Math.max(Math.floor(missing / 2), missing - roomHigh));
  return [low, Math.min(roomHigh, missing - low)];
}

function reachIn(box, room, needed) {
  const [left, right] = grow(box.right - box.left, needed, room.left, room.right);
  const [top, bottom] = grow(box.bottom - box.top, needed, room.top, room.bottom);
  return { left, top, right, bottom };
}

const isEnough = (box, reach, needed) => {
  const area = grown(box, reach);
  return Math.min(area.right - area.left, area.bottom - area.top) >= needed - 1e-6;
};

// A slider reaching under `above` (the fields' areas) goes on along its length, past them or
// before them, until a square of `needed` is its own.
function pastThose(box, reach, above, room, needed) {
  const area = grown(box, reach);
  const [low, high] = box.bottom - box.top > box.right - box.left ? ['top', 'bottom'] : ['left', 'right'];
  const covering = above.filter((other) => meets(area, other, 'left') && meets(area, other, 'top'));
  if (!covering.length) return reach;
  const after = Math.max(...covering.map((c) => c[high])) + needed - area[high];
  const before = area[low] - (Math.min(...covering.map((c) => c[low])) - needed);
  if (after <= room[high] - reach[high]) reach[high] += Math.max(0, Math.ceil(after));
  else reach[low] += Math.max(0, Math.min(Math.ceil(before), room[low] - reach[low]));
  return reach;
}

// A target's side in whole form pixels at `scale` CSS pixels per form pixel: whole, so that the
// browser's hit testing, which snaps a box to whole pixels of its own, finds all of it.
export const targetSide = (scale) => Math.ceil(Target / scale + 0.25);

// `controls`: [{element, view}] as placed by controls.js; `scale`: CSS pixels per form pixel.
export function reachFor(controls, scale) {
  const needed = targetSide(scale);
  const all = controls.filter(({ element }) => !element.hidden)
    .map(({ element, view }) => ({ element, kind: view.kind, box: edges(view.box), area: edges(view.box) }));
  const others = (one, skip = () => false) => all.filter((o) => o !== one && !skip(o)).map((o) => o.area);
  const reaching = all.filter(({ kind }) => kind !== 'button');
  // How far the control can grow on its tighter axis; the edge of the client area is far.
  const roomy = (one) => {
    const r = roomOf(one.box, others(one));
    const [w, h] = [one.box.right - one.box.left, one.box.bottom - one.box.top];
    return Math.min(Math.min(r.top, 1e4) + Math.min(r.bottom, 1e4) + h, Math.min(r.left, 1e4) + Math.min(r.right, 1e4) + w);
  };
  const under = [];
  for (const one of reaching.sort((a, b) => roomy(a) - roomy(b))) {
    one.reach = reachIn(one.box, roomOf(one.box, others(one)), needed);
    if (one.kind === 'bar' && !isEnough(one.box, one.reach, needed)) under.push(one);
    else one.area = grown(one.box, one.reach);
  }
  for (const bar of under) {
    const room = roomOf(bar.box, others(bar, (o) => o.kind === 'field'));
    const fields = all.filter((o) => o.kind === 'field').map((o) => o.area);
    bar.reach = pastThose(bar.box, reachIn(bar.box, room, needed), fields, room, needed);
  }
  for (const { element, reach } of reaching)
    for (const side of Sides) element.style.setProperty(`--reach-${side}`, `${reach[side]}px`);
}
