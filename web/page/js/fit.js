// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame as one stage: scaled to the largest size at which the form's own frame fits the
// viewport (smaller still if the user made the frame larger than that), centred, never cropped.
// Reports the scale, and the device pixels per form pixel, whenever either changes.

// The room kept free round the stage, in CSS pixels: the style sheet's --stage-margin.
const margin = () =>
  parseFloat(getComputedStyle(document.documentElement).getPropertyValue('--stage-margin')) || 0;

// The layout viewport: pinch zoom leaves it alone, so the user's own zoom is not undone.
const viewport = () => {
  const { clientWidth, clientHeight } = document.documentElement;
  return { width: clientWidth - 2 * margin(), height: clientHeight - 2 * margin() };
};

const largestFit = (room, { width, height }) => Math.min(room.width / width, room.height / height);

// Calls `changed` whenever the device pixel ratio changes: zoom, or another screen.
function onRatioChange(changed) {
  const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
  query.addEventListener('change', () => {
    changed();
    onRatioChange(changed);
  }, { once: true });
}

const sizeOf = (frame) => ({ width: frame.offsetWidth, height: frame.offsetHeight });

// Scales and centres the frame to the largest size at which both the form's frame (`form`) and
// the frame as it is fit the viewport; gives the scale. Run once by the page itself, before
// its first paint, so that the frame shows fitted from the start.
export function placeStage(frame, form = sizeOf(frame)) {
  const room = viewport();
  const own = sizeOf(frame);
  const scale = Math.min(largestFit(room, form), largestFit(room, own));
  const fitted = scale > 0 ? scale : 1;
  place(frame, fitted, own);
  return fitted;
}

// `onFit(scale, ratio)`: the stage's scale and the canvas's device pixels per form pixel.
export function fitStage(frame, onFit) {
  const form = sizeOf(frame);
  const stage = { scale: 1, held: false };
  let reported = null;
  const fit = () => {
    if (stage.held) return;
    stage.scale = placeStage(frame, form);
    const ratio = stage.scale * window.devicePixelRatio;
    if (reported?.scale === stage.scale && reported.ratio === ratio) return;
    reported = { scale: stage.scale, ratio };
    onFit(stage.scale, ratio);
  };
  // While the user drags the frame's corner the stage keeps its scale and place.
  stage.hold = (held) => {
    stage.held = held;
    fit();
  };
  // The largest size, in form pixels, the frame can take at its place and the present scale.
  stage.room = () => {
    const box = frame.getBoundingClientRect();
    const { clientWidth, clientHeight } = document.documentElement;
    return { width: (clientWidth - margin() - box.left) / stage.scale,
      height: (clientHeight - margin() - box.top) / stage.scale };
  };
  addEventListener('resize', fit);
  onRatioChange(fit);
  new ResizeObserver(fit).observe(frame);
  fit();
  return stage;
}

// Centres the frame, its client area's corner on a whole device pixel so that the canvas's
// pixels fall on the screen's.
function place(frame, scale, own) {
  const ratio = window.devicePixelRatio;
  const { clientWidth, clientHeight } = document.documentElement;
  const client = frame.querySelector('.client');
  const inset = { x: frame.clientLeft + client.offsetLeft, y: frame.clientTop + client.offsetTop };
  const snap = (free, at) => Math.round((free / 2 + at * scale) * ratio) / ratio - at * scale;
  const x = snap(clientWidth - own.width * scale, inset.x);
  const y = snap(clientHeight - own.height * scale, inset.y);
  frame.style.transform = `translate(${x}px, ${y}px) scale(${scale})`;
  frame.style.setProperty('--scale', String(scale));
}
