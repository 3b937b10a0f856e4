// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill in WebAssembly behind plain functions: events in, changed controls and their
// properties out. The property and event numbers are those of web/src/boundary.h.

import createMill from './molen.js';

export const Kind = { Label: 0, TextBox: 1, Button: 2, ScrollBar: 3, Timer: 4, Line: 5, Shape: 6 };
export const Event = { Load: 0, Command1Click: 1 };
export const P = {
  Left: 0, Top: 1, Width: 2, Height: 3, X1: 4, Y1: 5, X2: 6, Y2: 7, BorderWidth: 8,
  BorderStyle: 9, Visible: 10, Alignment: 11, FontSize: 12, FontWeight: 13, ForeColor: 14,
  BackColor: 15, FillColor: 16, BorderColor: 17, FillStyle: 18, Shape: 19, Value: 20, Min: 21,
  Max: 22, Vertical: 23, TabIndex: 24, Enabled: 25, Interval: 26, SmallChange: 27,
  LargeChange: 28,
};
const FormNumber = { ClientWidth: 0, ClientHeight: 1, Width: 2, BackColor: 3 };

// Loads the module, builds the form and runs its load procedure.
export async function openMill() {
  const m = await createMill();
  const count = m._molen_start();
  const ids = Array.from({ length: count }, (_, id) => id);
  const changedIds = (n) => Array.from({ length: n }, (_, i) => m._molen_changed(i));
  return {
    ids,
    // The one dispatch point's far side: the ids of the controls that changed.
    deliver: (event) => changedIds(m._molen_deliver(event)),
    tickOf: (id) => m._molen_tick_of(id),
    kind: (id) => m._molen_kind(id),
    name: (id) => m.UTF8ToString(m._molen_name(id)),
    index: (id) => m._molen_index(id),
    text: (id) => m.UTF8ToString(m._molen_text(id)),
    number: (id, property) => m._molen_number(id, property),
    setText: (id, text) => withString(m, text, (pointer) => m._molen_set_text(id, pointer)),
    setValue: (id, value) => m._molen_set_value(id, value) === 1,
    find: (name, index = -1) =>
      ids.find((id) => m.UTF8ToString(m._molen_name(id)) === name && m._molen_index(id) === index),
    caption: () => m.UTF8ToString(m._molen_form_caption()),
    clientWidth: () => m._molen_form_number(FormNumber.ClientWidth),
    clientHeight: () => m._molen_form_number(FormNumber.ClientHeight),
    formWidth: () => m._molen_form_number(FormNumber.Width),
    formBackColor: () => m._molen_form_number(FormNumber.BackColor),
    setFormWidth: (twips) => m._molen_set_form_width(twips),
  };
}

// Calls `use` with `text` as a UTF-8 string in the module's memory, freed afterwards.
function withString(m, text, use) {
  const size = m.lengthBytesUTF8(text) + 1;
  const pointer = m._malloc(size);
  try {
    m.stringToUTF8(text, pointer, size);
    return use(pointer);
  } finally {
    m._free(pointer);
  }
}
