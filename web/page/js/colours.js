// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's colours as CSS colours. System colours take the light palette the desktop shows.

const System = {
  1: '#efefef', // button face
  2: '#000000', // button text
  3: '#ffffff', // window background
  4: '#000000', // window text
};

// 0xRRGGBB, or minus a system colour's number, as the mill reports colours.
export function cssColour(number) {
  if (number < 0) return System[-number];
  return '#' + number.toString(16).padStart(6, '0');
}

export const ButtonFace = System[1];
