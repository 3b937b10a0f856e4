// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's text fields, button and scroll bars as real, focusable HTML elements in front of
// the canvas, in tab order, kept in step with the model.

import { cssColours } from './colours.js';
import { ScrollBar } from './scroll_bar.js';
import { cssFont } from './text.js';

function place(element, { box }) {
  Object.assign(element.style, {
    left: `${box.left}px`, top: `${box.top}px`, width: `${box.width}px`, height: `${box.height}px`,
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
  for (const { box: otherBox, visible } of views) {
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

function createField(view, onInput, { colourOf, alignments }) {
  const field = Object.assign(document.createElement('input'), {
    type: 'text', name: view.name, className: 'text-box', spellcheck: false, autocomplete: 'off',
  });
  Object.assign(field.style, {
    font: fontOf(view), color: colourOf(view.foreColor), backgroundColor: colourOf(view.backColor),
    textAlign: alignments.get(view.alignment),
  });
  if (view.accessibleName) field.setAttribute('aria-label', view.accessibleName);
  field.addEventListener('input', () => onInput(view.id, field.value));
  return field;
}

function createButton(view, onClick) {
  const button = Object.assign(document.createElement('button'),
    { type: 'button', className: 'command-button' });
  button.style.font = fontOf(view);
  button.addEventListener('click', () => onClick(view.id));
  return button;
}

function createScrollBar(view, onValue, { Orientation }) {
  const { min, max, value, smallChange, largeChange, accessibleName: label } = view;
  const vertical = view.orientation === Orientation.Vertical;
  return new ScrollBar({ min, max, value, vertical, label, smallChange, largeChange },
    (newValue) => onValue(view.id, newValue));
}

export class WindowedControls {
  // `views`: the module's windowed controls in tab order; `handlers`: onInput(id, text),
  // onValue(id, value), onClick(id), for what the user does. The first button is `button`.
  constructor(container, module, views, handlers) {
    const { Alignment, SystemColour } = module;
    this.module = module;
    this.look = {
      colourOf: cssColours(SystemColour),
      alignments: new Map([[Alignment.Left, 'left'], [Alignment.Right, 'right'],
        [Alignment.Centre, 'center']]),
    };
    this.elements = new Map();
    this.bars = new Map();
    this.views = views;
    for (const view of views) {
      const element = this.create(view, handlers);
      place(element, view);
      container.append(element);
      this.elements.set(view.id, element);
      this.sync(view);
    }
  }

  create(view, handlers) {
    const element = this.createElement(view, handlers);
    for (const [side, room] of Object.entries(roomAround(view, this.views)))
      element.style.setProperty(`--room-${side}`, `${Math.min(room, 1000)}px`);
    return element;
  }

  createElement(view, { onInput, onValue, onClick }) {
    const { ControlKind } = this.module;
    if (view.kind === ControlKind.TextBox) return createField(view, onInput, this.look);
    if (view.kind === ControlKind.CommandButton) {
      this.button ??= createButton(view, onClick);
      return this.button;
    }
    const bar = createScrollBar(view, onValue, this.module);
    this.bars.set(view.id, bar);
    return bar.element;
  }

  // Shows the control as the module reports it, touching the element only where it differs.
  sync(view) {
    const element = this.elements.get(view.id);
    if (!element) return;
    const { ControlKind } = this.module;
    if (view.kind === ControlKind.ScrollBar) {
      const bar = this.bars.get(view.id);
      if (bar.value !== view.value) bar.show(view.value);
    } else if (view.kind === ControlKind.TextBox) {
      if (element.value !== view.text) element.value = view.text;
      element.hidden = !view.visible;
    } else if (element.textContent !== view.text) {
      element.textContent = view.text;
    }
  }
}
