// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's zoom and pan of the fitted stage (see fit.js): from the fit up to four times it,
// by Ctrl or Cmd with +, - and 0, Ctrl with the wheel, two fingers, or the caption bar's
// buttons; panned by dragging the background, by the wheel and by the arrow keys outside the
// fields and sliders. The focused control is kept in view. The form itself knows nothing of it.

const Steps = [1, 1.25, 1.5, 2, 3, 4];
const [Least, Most] = [Steps[0], Steps[Steps.length - 1]];
const PanStep = 40; // CSS pixels an arrow key moves the view
const Margin = 8; // CSS pixels kept between a focused control and the viewport's edge

const clamp = (value, low, high) => Math.min(high, Math.max(low, value));
const nextStep = (zoom, up) => (up ? Steps.find((step) => step > zoom + 1e-6) ?? Most
  : [...Steps].reverse().find((step) => step < zoom - 1e-6) ?? Least);
const viewportCentre = () =>
  ({ x: document.documentElement.clientWidth / 2, y: document.documentElement.clientHeight / 2 });

// What the user's own keys, wheel and fingers do to `stage` (fit.js): see above.
export function zoomView(frame, stage, tools) {
  const zoomTo = (zoom, focus = viewportCentre()) => {
    const { x, y, zoom: was } = stage.view();
    const by = clamp(zoom, Least, Most) / was;
    stage.show({ zoom: was * by, x: focus.x - (focus.x - x) * by, y: focus.y - (focus.y - y) * by });
    keepInView(document.activeElement);
  };
  const step = (up, focus) => zoomTo(nextStep(stage.view().zoom, up), focus);
  const panBy = (dx, dy) => {
    const { x, y, zoom } = stage.view();
    stage.show({ zoom, x: x + dx, y: y + dy });
  };
  const keepInView = (element) => {
    if (!frame.contains(element) || element === frame || stage.view().zoom === Least) return;
    const box = element.getBoundingClientRect();
    const { clientWidth, clientHeight } = document.documentElement;
    const shift = (low, high, room) => (high - low > room - 2 * Margin ? Margin - low
      : Math.max(0, Margin - low) - Math.max(0, high - (room - Margin)));
    panBy(shift(box.left, box.right, clientWidth), shift(box.top, box.bottom, clientHeight));
  };
  const buttons = [['Uitzoomen', 'Kleiner (Ctrl -)', 'Control+-', 'out', () => step(false)],
    ['Inzoomen', 'Groter (Ctrl +)', 'Control++', 'in', () => step(true)],
    ['Passend maken', 'Passend in het venster (Ctrl 0)', 'Control+0', 'fit', () => zoomTo(Least)]];
  for (const [name, hint, keys, look, act] of buttons)
    tools.add({ name, hint, keys, look }).addEventListener('click', act);
  frame.addEventListener('focusin', (event) => keepInView(event.target));
  addEventListener('keydown', (event) => zoomKeys(event, { step, zoomTo, panBy }), true);
  addEventListener('wheel', (event) => wheel(event, { step, panBy }), { passive: false });
  dragAndPinch(frame, { zoomTo, panBy, zoom: () => stage.view().zoom });
}

// Ctrl or Cmd with + (or =), - and 0; the arrows pan where the focus takes no arrows itself.
function zoomKeys(event, { step, zoomTo, panBy }) {
  const command = (event.ctrlKey || event.metaKey) && !event.altKey;
  const arrows = { ArrowLeft: [1, 0], ArrowRight: [-1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1] };
  if (command && ['+', '=', 'Add'].includes(event.key)) step(true);
  else if (command && ['-', '_', 'Subtract'].includes(event.key)) step(false);
  else if (command && event.key === '0') zoomTo(Least);
  else if (!command && arrows[event.key] && !takesArrows(event.target)) {
    panBy(arrows[event.key][0] * PanStep, arrows[event.key][1] * PanStep);
  } else return;
  event.preventDefault();
}

const takesArrows = (target) => target?.closest?.('input, [role="slider"]');
const isControl = (target) => target?.closest?.('input, button, [role="slider"], .grip');

// Ctrl with the wheel (a touchpad's pinch too) zooms at the pointer; the wheel alone pans.
function wheel(event, { step, panBy }) {
  event.preventDefault();
  if (event.ctrlKey || event.metaKey) step(event.deltaY < 0, { x: event.clientX, y: event.clientY });
  else if (event.shiftKey && !event.deltaX) panBy(-event.deltaY, 0);
  else panBy(-event.deltaX, -event.deltaY);
}

// One pointer on the background drags the view; two fingers pinch it, about their middle.
function dragAndPinch(frame, { zoomTo, panBy, zoom }) {
  const down = new Map(); // pointerId -> {x, y}
  let pinch = null; // {distance, zoom} as two fingers first touched
  const middle = () => {
    const [a, b] = [...down.values()];
    return { x: (a.x + b.x) / 2, y: (a.y + b.y) / 2, distance: Math.hypot(a.x - b.x, a.y - b.y) };
  };
  frame.addEventListener('pointerdown', (event) => {
    if (isControl(event.target) || event.button > 0 || down.size >= 2) return;
    frame.setPointerCapture(event.pointerId);
    down.set(event.pointerId, { x: event.clientX, y: event.clientY });
    if (down.size === 2) pinch = { ...middle(), zoom: zoom() };
  });
  frame.addEventListener('pointermove', (event) => {
    const was = down.get(event.pointerId);
    if (!was) return;
    const before = down.size === 2 ? middle() : was;
    down.set(event.pointerId, { x: event.clientX, y: event.clientY });
    const after = down.size === 2 ? middle() : down.get(event.pointerId);
    panBy(after.x - before.x, after.y - before.y);
    if (pinch) zoomTo(pinch.zoom * (after.distance / pinch.distance), after);
  });
  const up = (event) => {
    down.delete(event.pointerId);
    pinch = null;
  };
  frame.addEventListener('pointerup', up);
  frame.addEventListener('pointercancel', up);
}
