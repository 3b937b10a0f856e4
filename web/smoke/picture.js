// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area's pixels as any engine shows them, through a driver of ./driver.js:
// at(x, y) in the form's twips gives [r, g, b]. The shot's own size gives the device pixels
// per CSS pixel, and the client's box against its layout size the scale the page shows it at.
import { TwipsPerPixel } from '../tests/support.js';

function clientBox() {
  const client = document.querySelector('.client');
  const box = client.getBoundingClientRect();
  return { x: box.left, y: box.top, width: box.width, height: box.height,
    scale: box.width / client.offsetWidth };
}

// In the page: the RGBA pixels of a PNG given in base64, again in base64.
async function decode(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const image = context.getImageData(0, 0, bitmap.width, bitmap.height);
  let binary = '';
  for (let i = 0; i < image.data.length; i += 32768)
    binary += String.fromCharCode(...image.data.subarray(i, i + 32768));
  return { width: image.width, data: btoa(binary) };
}

export async function clientPicture(driver) {
  const { scale, ...clip } = await driver.evaluate(clientBox);
  const png = await driver.screenshot(clip);
  const { width, data } = await driver.evaluate(decode, Buffer.from(png).toString('base64'));
  const bytes = Buffer.from(data, 'base64');
  const perTwip = (scale * (width / clip.width)) / TwipsPerPixel;
  return {
    at(x, y) {
      const i = (Math.floor(y * perTwip) * width + Math.floor(x * perTwip)) * 4;
      return [bytes[i], bytes[i + 1], bytes[i + 2]];
    },
  };
}
