// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's colours as CSS colours. System colours take the light palette the desktop shows.

// A function from the module's Colour to a CSS colour; `SystemColour` is the module's enum.
export function cssColours(SystemColour) {
  const system = new Map([
    [SystemColour.ButtonFace, '#efefef'],
    [SystemColour.ButtonText, '#000000'],
    [SystemColour.WindowBackground, '#ffffff'],
    [SystemColour.WindowText, '#000000'],
  ]);
  return ({ red, green, blue, system: name }) => system.get(name) ?? `rgb(${red} ${green} ${blue})`;
}
