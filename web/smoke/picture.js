// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area's pixels as any engine shows them, through a driver of ./driver.js:
// at(x, y) in the form's twips gives [r, g, b]. The shot's own size gives the device pixels
// per CSS pixel, and the client's box against its layout size the scale the page shows it at.
import { TwipsPerPixel, decodeInPage } from '../tests/support.js';

function clientBox() {
  const client = document.querySelector('.client');
  const box = client.getBoundingClientRect();
  return { x: box.left, y: box.top, width: box.width, height: box.height,
    scale: box.width / client.offsetWidth };
}

export async function clientPicture(driver) {
  const { scale, ...clip } = await driver.evaluate(clientBox);
  const png = await driver.screenshot(clip);
  const { width, data } = await driver.evaluate(decodeInPage, Buffer.from(png).toString('base64'));
  const bytes = Buffer.from(data, 'base64');
  const perTwip = (scale * (width / clip.width)) / TwipsPerPixel;
  return {
    at(x, y) {
      const i = (Math.floor(y * perTwip) * width + Math.floor(x * perTwip)) * 4;
      return [bytes[i], bytes[i + 1], bytes[i + 2]];
    },
  };
}
