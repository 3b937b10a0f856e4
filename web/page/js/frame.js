// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's frame on the page: caption bar with icon, a client area the size of the form,
// and resizing by its corner. Reports the frame's outer width and the client area's size.

const MinWidth = 120; // CSS pixels: the caption bar's icon and a little of the caption
const MinHeight = 60;

// The build wrote the caption and the client area's size into the page. `mill` is the module's
// MillPage; sizes are in CSS pixels.
export function openFrame(frame, mill, onResize) {
  const client = frame.querySelector('.client');
  const resized = () => {
    mill.setFormWidth(frame.offsetWidth);
    onResize(client.clientWidth, client.clientHeight);
  };
  new ResizeObserver(resized).observe(client);
  // The frame takes the size the form gives it, and the client follows the frame from then on.
  const [width, height] = [frame.offsetWidth, frame.offsetHeight];
  frame.style.width = `${width}px`;
  frame.style.height = `${height}px`;
  client.style.width = client.style.height = 'auto';
  keepFocusInside(frame);
}

// The frame's size follows the grip in its corner, by mouse, pen or touch alike. `stage` (see
// fit.js) keeps its scale and place meanwhile, and the frame stays inside the viewport.
export function dragToResize(frame, stage) {
  const grip = frame.querySelector('.grip');
  grip.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    grip.setPointerCapture(event.pointerId);
    stage.hold(true);
    const start = { x: event.clientX, y: event.clientY, w: frame.offsetWidth, h: frame.offsetHeight };
    const room = stage.room();
    const size = (from, by, min, max) => `${Math.min(max, Math.max(min, from + by / stage.scale))}px`;
    const move = (moved) => {
      frame.style.width = size(start.w, moved.clientX - start.x, MinWidth, room.width);
      frame.style.height = size(start.h, moved.clientY - start.y, MinHeight, room.height);
    };
    // Let go, or the capture lost (the window lost the focus, say): the frame is no longer held.
    const drag = new AbortController();
    const stop = () => {
      drag.abort();
      stage.hold(false);
    };
    const { signal } = drag;
    grip.addEventListener('pointermove', move, { signal });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) grip.addEventListener(type, stop, { signal });
    window.addEventListener('blur', stop, { signal });
  });
}

// Tab goes round the window's controls, as it does in the desktop's window.
function keepFocusInside(frame) {
  frame.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab') return;
    const stops = [...frame.querySelectorAll('[tabindex="0"], input:not([hidden]), button:not([tabindex="-1"])')];
    const [first, last] = [stops[0], stops[stops.length - 1]];
    if (!event.shiftKey && document.activeElement === last) first.focus();
    else if (event.shiftKey && document.activeElement === first) last.focus();
    else return;
    event.preventDefault();
  });
}
