// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of painted controls, kept by a key that names everything their pixels depend on.
// Labels, shapes and lines change far less often than they are repainted (a sail takes one of
// 36 angles), and laying out text or rasterising a stroke costs many times a copy. A picture
// lies on whole device pixels, so copying it puts there what painting would have put there.

const Limit = 160; // pictures kept: every position of every sail and radius line, and more

const pictures = new Map(); // in order of last use, the oldest first

// Copies the picture `key` to (left, top) in device pixels, first painting it with
// draw(context) into a width x height picture whose origin is (left, top).
export function paintPicture(context, key, { left, top, width, height }, draw) {
  let picture = pictures.get(key);
  if (picture) {
    pictures.delete(key);
  } else {
    picture = document.createElement('canvas');
    picture.width = Math.max(1, width);
    picture.height = Math.max(1, height);
    const offscreen = picture.getContext('2d');
    offscreen.translate(-left, -top);
    draw(offscreen);
    if (pictures.size >= Limit) pictures.delete(pictures.keys().next().value);
  }
  pictures.set(key, picture);
  context.drawImage(picture, left, top);
}
