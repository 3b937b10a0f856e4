// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame as one stage: scaled to the largest size at which the form's own frame fits the
// viewport (smaller still if the user made the frame larger than that), centred, never cropped.
// Reports the scale, and the device pixels per form pixel, whenever either changes. The user may
// zoom the fitted stage and pan it (js/zoom.js): a view of {zoom, x, y}, x and y where the
// frame's corner stands on the viewport, kept so that the frame covers as much as it can.

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
export function placeStage(frame, form = sizeOf(frame), view = null) {
  const room = viewport();
  const own = sizeOf(frame);
  const scale = Math.min(largestFit(room, form), largestFit(room, own));
  const fitted = scale > 0 ? scale : 1;
  place(frame, fitted * (view?.zoom ?? 1), own, view);
  return fitted;
}

// `onFit(scale, ratio)`: the stage's scale and the canvas's device pixels per form pixel.
export function fitStage(frame, onFit) {
  const form = sizeOf(frame);
  const stage = { scale: 1, held: false };
  const view = { zoom: 1, x: 0, y: 0 };
  let reported = null;
  const fit = () => {
    if (stage.held) return;
    stage.scale = placeStage(frame, form, view) * view.zoom;
    const ratio = stage.scale * window.devicePixelRatio * (window.visualViewport?.scale ?? 1);
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
  // The user's view: zoomed by `zoom` times the fit, the frame's corner at `x`, `y` or as near
  // as the viewport allows.
  stage.view = () => ({ ...view });
  stage.show = (wanted) => {
    Object.assign(view, wanted);
    fit();
  };
  addEventListener('resize', fit);
  window.visualViewport?.addEventListener('resize', fit); // the browser's own pinch zoom
  onRatioChange(fit);
  new ResizeObserver(fit).observe(frame);
  fit();
  return stage;
}

// Centres the frame, or where it is larger than the viewport puts its corner at the view's,
// as near as keeps the viewport covered; its client area's corner on a whole device pixel so
// that the canvas's pixels fall on the screen's. Keeps the corner it chose in `view`.
function place(frame, scale, own, view) {
  const ratio = window.devicePixelRatio;
  const { clientWidth, clientHeight } = document.documentElement;
  const client = frame.querySelector('.client');
  const inset = { x: frame.clientLeft + client.offsetLeft, y: frame.clientTop + client.offsetTop };
  const corner = (free, wanted) => (free >= 2 * margin() || wanted === undefined ? free / 2
    : Math.min(margin(), Math.max(free - margin(), wanted)));
  const snap = (left, at) => Math.round((left + at * scale) * ratio) / ratio - at * scale;
  const x = snap(corner(clientWidth - own.width * scale, view?.x), inset.x);
  const y = snap(corner(clientHeight - own.height * scale, view?.y), inset.y);
  if (view) Object.assign(view, { x, y });
  frame.style.transform = `translate(${x}px, ${y}px) scale(${scale})`;
  frame.style.setProperty('--scale', String(scale));
}
