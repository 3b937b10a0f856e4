// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's text fields, button and scroll bars as real, focusable HTML elements in front of
// the canvas, in tab order, kept in step with the model.

import { Kind, P } from './mill.js';
import { cssColour } from './colours.js';
import { pixelRect } from './grid.js';
import { ScrollBar } from './scroll_bar.js';
import { cssFont } from './text.js';

// Each element and the label whose caption names it for assistive technology.
const CaptionOf = {
  VScroll1: 'Label2', Text2: 'Label4', HScroll1: 'Label5', Text4: 'Label5',
  HScroll2: 'Label8', Text8: 'Label8',
};

function place(element, mill, id) {
  const r = pixelRect({
    left: mill.number(id, P.Left), top: mill.number(id, P.Top),
    width: mill.number(id, P.Width), height: mill.number(id, P.Height),
  });
  Object.assign(element.style, {
    left: `${r.left}px`, top: `${r.top}px`,
    width: `${r.right - r.left + 1}px`, height: `${r.bottom - r.top + 1}px`,
  });
}

const fontOf = (mill, id) => cssFont(mill.number(id, P.FontSize), mill.number(id, P.FontWeight));

function captionOf(mill, id) {
  const label = CaptionOf[mill.name(id)];
  return label ? mill.text(mill.find(label)) : '';
}

function createField(mill, id, onInput) {
  const field = document.createElement('input');
  field.type = 'text';
  field.className = 'text-box';
  field.spellcheck = false;
  field.autocomplete = 'off';
  field.style.font = fontOf(mill, id);
  field.style.color = cssColour(mill.number(id, P.ForeColor));
  field.style.backgroundColor = cssColour(mill.number(id, P.BackColor));
  field.style.textAlign = ['left', 'right', 'center'][mill.number(id, P.Alignment)];
  const caption = captionOf(mill, id);
  if (caption) field.setAttribute('aria-label', caption);
  field.addEventListener('input', () => onInput(id, field.value));
  return field;
}

function createButton(mill, id, onClick) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'command-button';
  button.style.font = fontOf(mill, id);
  button.addEventListener('click', () => onClick(id));
  return button;
}

function createScrollBar(mill, id, onValue) {
  const n = (property) => mill.number(id, property);
  const bar = new ScrollBar({
    min: n(P.Min), max: n(P.Max), value: n(P.Value), vertical: n(P.Vertical) === 1,
    label: captionOf(mill, id),
  }, (value) => onValue(id, value));
  return bar;
}

export class WindowedControls {
  // `handlers`: onInput(id, text), onValue(id, value), onClick(id), for what the user does.
  constructor(container, mill, handlers) {
    this.mill = mill;
    this.elements = new Map();
    this.bars = new Map();
    const windowed = mill.ids.filter((id) => [Kind.TextBox, Kind.Button, Kind.ScrollBar]
      .includes(mill.kind(id)));
    windowed.sort((a, b) => mill.number(a, P.TabIndex) - mill.number(b, P.TabIndex));
    for (const id of windowed) {
      const element = this.create(id, handlers);
      place(element, mill, id);
      container.append(element);
      this.elements.set(id, element);
      this.sync(id);
    }
  }

  create(id, { onInput, onValue, onClick }) {
    const kind = this.mill.kind(id);
    if (kind === Kind.TextBox) return createField(this.mill, id, onInput);
    if (kind === Kind.Button) return createButton(this.mill, id, onClick);
    const bar = createScrollBar(this.mill, id, onValue);
    this.bars.set(id, bar);
    return bar.element;
  }

  element(id) { return this.elements.get(id); }

  // Shows control `id` as the model holds it, touching the element only where it differs.
  sync(id) {
    const element = this.elements.get(id);
    if (!element) return;
    const kind = this.mill.kind(id);
    if (kind === Kind.ScrollBar) {
      const value = this.mill.number(id, P.Value);
      if (this.bars.get(id).value !== value) this.bars.get(id).show(value);
      return;
    }
    const text = this.mill.text(id);
    if (kind === Kind.TextBox) {
      if (element.value !== text) element.value = text;
      element.hidden = this.mill.number(id, P.Visible) !== 1;
    } else if (element.textContent !== text) {
      element.textContent = text;
    }
  }
}
