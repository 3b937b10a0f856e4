// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's text fields, button and scroll bars as real, focusable HTML elements in front of
// the canvas, in tab order, kept in step with the model.

import { ScrollBar } from './scroll_bar.js';
import { cssFont } from './text.js';

// At its painted box, and a fields' or slider's reach round it (see reach.js).
function place(element, { box }) {
  Object.assign(element.style, {
    left: `${box.left}px`, top: `${box.top}px`,
    width: `calc(${box.width}px + var(--reach-left, 0px) + var(--reach-right, 0px))`,
    height: `calc(${box.height}px + var(--reach-top, 0px) + var(--reach-bottom, 0px))`,
  });
}

const fontOf = ({ font }) => cssFont(font.weight, font.pixelSize);

// How far, in form pixels, a control may reach out on each side for a finger: half the way to
// the next shown windowed control that way, or all the way to the client area's edge.
function roomAround({ box }, views) {
  const edges = ({ left, top, width, height }) => ({ left, top, right: left + width, bottom: top + height });
  const own = edges(box);
  const room = { left: own.left, top: own.top, right: Infinity, bottom: Infinity };
  const closer = (side, gap) => { if (gap >= 0) room[side] = Math.min(room[side], gap / 2); };
  for (const { box: otherBox, state: { visible } } of views) {
    if (!visible || otherBox === box) continue;
    const other = edges(otherBox);
    if (other.top < own.bottom && own.top < other.bottom) { // level with it
      closer('left', own.left - other.right);
      closer('right', other.left - own.right);
    }
    if (other.left < own.right && own.left < other.right) { // above or below it
      closer('top', own.top - other.bottom);
      closer('bottom', other.top - own.bottom);
    }
  }
  return room;
}

// Each maker gives the control's element and how it shows a ControlState: `handlers` has
// onInput(id, text), onValue(id, value) and onClick(id), for what the user does.
// The desktop's line edits take this many UTF-16 units at most, as a field here does.
const FieldLength = 32767;

// What the module keeps of a text: it crosses as UTF-8, in which a lone surrogate becomes U+FFFD.
const asModuleKeeps = (text) => text.replace(/\p{Surrogate}/gu, '\uFFFD');

function createField(view, { onInput }) {
  const field = Object.assign(document.createElement('input'), {
    type: 'text', name: view.name, className: 'text-box', spellcheck: false, autocomplete: 'off',
    maxLength: FieldLength,
  });
  Object.assign(field.style, {
    font: fontOf(view), color: view.foreColor, backgroundColor: view.backColor, textAlign: view.textAlign,
  });
  if (view.accessibleName) field.setAttribute('aria-label', view.accessibleName);
  field.addEventListener('input', () => onInput(view.state.id, asModuleKeeps(field.value)));
  // The field keeps exactly what the user typed, unless the module's text is another.
  return { element: field, sync: ({ text, visible }) => {
    if (asModuleKeeps(field.value) !== text) field.value = text;
    field.hidden = !visible;
  } };
}

function createButton(view, { onClick }) {
  const button = Object.assign(document.createElement('button'),
    { type: 'button', className: 'command-button' });
  button.style.font = fontOf(view);
  button.addEventListener('click', () => onClick(view.state.id));
  return { element: button, sync: ({ text }) => {
    if (button.textContent !== text) button.textContent = text;
  } };
}

function createScrollBar(view, { onValue }) {
  const { min, max, vertical, accessibleName: label, smallChange, largeChange, state } = view;
  const bar = new ScrollBar({ min, max, value: state.value, vertical, label, smallChange, largeChange },
    (value) => onValue(state.id, value));
  return { element: bar.element, sync: ({ value }) => bar.value !== value && bar.show(value) };
}

const Makers = { field: createField, button: createButton, bar: createScrollBar };

export class WindowedControls {
  // `views`: the module's windowed controls in tab order; `handlers`: see the makers above. The
  // button is `button`.
  constructor(container, views, handlers) {
    this.syncs = new Map();
    this.placed = []; // {element, view} of each
    for (const view of views) {
      const { element, sync } = Makers[view.kind](view, handlers);
      place(element, view);
      this.placed.push({ element, view });
      for (const [side, room] of Object.entries(roomAround(view, views)))
        element.style.setProperty(`--room-${side}`, `${Math.min(room, 1000)}px`);
      container.append(element);
      if (view.kind === 'button') this.button = element;
      this.syncs.set(view.state.id, sync);
      sync(view.state);
    }
  }

  // Shows the control as the module reports it, touching the element only where it differs.
  sync(state) {
    this.syncs.get(state.id)?.(state);
  }
}
