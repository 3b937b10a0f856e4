// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own buttons in the frame's caption bar, as a window has its own beside its caption:
// the banner's stop and the view's zoom. They draw nothing on the form. Like a window's caption
// buttons they are no Tab stops (Tab goes round the form's controls); each has a key instead,
// which it names in aria-keyshortcuts and in its hint.

import { targetSide } from './reach.js';

// The row of buttons at the caption bar's right end; later in the page than the form's controls,
// so that those come first in the page's order. `hint` ends with the key's name as shown.
export function captionTools(frame) {
  const row = Object.assign(document.createElement('div'), { className: 'caption-tools' });
  frame.append(row);
  return {
    // Each button a whole target at the stage's `scale` (see reach.js).
    fit(scale) {
      row.style.setProperty('--target-side', `${targetSide(scale)}px`);
    },
    add({ name, hint, keys, look, pressed }) {
      const button = Object.assign(document.createElement('button'),
        { type: 'button', className: `caption-tool ${look}`, tabIndex: -1, title: hint });
      button.setAttribute('aria-label', name);
      button.setAttribute('aria-keyshortcuts', keys);
      if (pressed !== undefined) button.setAttribute('aria-pressed', String(pressed));
      row.append(button);
      return button;
    },
  };
}

// The banner's stop: a toggle, pressed while the banner stands, and its key. Its name, hint and
// key are the module's. Where the user asks for reduced motion the banner stands from the start.
// `show` shows what a change did, as the page shows every input's.
export function bannerStop(tools, module, mill, show) {
  const { name, hint, key } = module.bannerStop();
  const toggle = tools.add({ name, hint: `${hint} (${key})`, keys: key, look: 'stop', pressed: false });
  const set = (moving) => {
    show(mill.setBannerMoving(moving, performance.now()));
    toggle.setAttribute('aria-pressed', String(!mill.bannerMoving()));
  };
  toggle.addEventListener('click', () => set(!mill.bannerMoving()));
  addEventListener('keydown', (event) => {
    if (event.key !== key || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    set(!mill.bannerMoving());
  });
  return { standStillIfAsked: () => matchMedia('(prefers-reduced-motion: reduce)').matches && set(false) };
}
