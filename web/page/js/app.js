// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's host for the mill: builds the frame, canvas, controls and timers around the model
// and delivers every event at one dispatch point, as the desktop window does.

import { Event, openMill } from './mill.js';
import { FormCanvas } from './canvas.js';
import { WindowedControls } from './controls.js';
import { openFrame } from './frame.js';
import { Readouts } from './readouts.js';
import { cssFont } from './text.js';
import { TimerBank } from './timers.js';

export async function openPage(frame) {
  const [mill] = await Promise.all([openMill(), loadFaces()]);
  const client = frame.querySelector('.client');
  const page = { mill, deliveries: 0, firstFrame: 0 };
  const canvas = new FormCanvas(client.querySelector('canvas'), mill, () => {
    if (!page.firstFrame) page.firstFrame = performance.now();
  });
  const readouts = new Readouts(frame.querySelector('.readouts'), mill);
  let timers = null;
  // The one dispatch point: the procedure runs (an error ends it inside the mill) and then
  // every control it changed is shown.
  page.deliver = (event) => {
    page.deliveries++;
    for (const id of mill.deliver(event)) {
      canvas.follow(id);
      controls.sync(id);
      timers?.follow(id);
      readouts.follow(id);
    }
  };
  const controls = new WindowedControls(client, mill, {
    onInput: (id, text) => mill.setText(id, text),
    onValue: (id, value) => mill.setValue(id, value),
    onClick: () => page.deliver(Event.Command1Click),
  });
  timers = new TimerBank(mill, (id) => page.deliver(mill.tickOf(id)));
  openFrame(frame, mill, (width, height) => canvas.resize(width, height));
  controls.element(mill.find('Command1')).focus();
  timers.start();
  Object.assign(page, { canvas, controls, timers });
  return page;
}

// The shipped face in the weights the form uses, loaded before the first paint.
function loadFaces() {
  return Promise.all([400, 700].map((weight) => document.fonts.load(cssFont(8.25, weight))));
}
