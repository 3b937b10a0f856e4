// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's frame on the page: caption bar with icon, a client area the size of the form,
// and resizing by its corner. Reports the frame's outer width and the client area's size.

import { pixels, TwipsPerPixel } from './grid.js';

export function openFrame(frame, mill, onResize) {
  frame.querySelector('.caption-text').textContent = mill.caption();
  document.title = mill.caption();
  const client = frame.querySelector('.client');
  client.style.width = `${Math.round(pixels(mill.clientWidth()))}px`;
  client.style.height = `${Math.round(pixels(mill.clientHeight()))}px`;
  const observer = new ResizeObserver(() => {
    mill.setFormWidth(frame.offsetWidth * TwipsPerPixel);
    onResize(client.clientWidth, client.clientHeight);
  });
  observer.observe(client);
  // The frame takes the size the form gives it, and the client follows the frame from then on.
  const [width, height] = [frame.offsetWidth, frame.offsetHeight];
  frame.style.width = `${width}px`;
  frame.style.height = `${height}px`;
  client.style.width = client.style.height = '';
}
