// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's host for the mill: builds the frame, canvas, controls and timers around the model
// and delivers every event at one dispatch point, as the desktop window does.

import { openMill } from './mill.js';
import { FormCanvas } from './canvas.js';
import { WindowedControls } from './controls.js';
import { openFrame } from './frame.js';
import { Readouts } from './readouts.js';
import { nextTask } from './tasks.js';
import { cssFont } from './text.js';
import { TimerBank } from './timers.js';

// The page is built in a few tasks, none long enough to keep a phone from answering a touch.
export async function openPage(frame) {
  const [{ module, mill }] = await Promise.all([openMill(), loadFaces()]);
  await nextTask();
  const client = frame.querySelector('.client');
  const canvas = new FormCanvas(client.querySelector('canvas'), mill, module);
  const readouts = new Readouts(frame.querySelector('.readouts'), mill.liveTexts());
  let controls = null;
  let timers = null;
  // The one dispatch point: the procedure runs (an error ends it inside the mill) and then
  // every control it changed is shown.
  const deliver = (event) => {
    for (const view of mill.deliver(event)) {
      controls.sync(view);
      timers.follow(view);
      readouts.follow(view);
    }
    canvas.invalidate();
  };
  controls = new WindowedControls(client, module, mill.windowed(), {
    onInput: (id, text) => mill.setText(id, text),
    onValue: (id, value) => mill.setValue(id, value),
    onClick: () => deliver(module.MillEvent.Command1Click),
  });
  timers = new TimerBank(mill.timers(), (id) => deliver(mill.tickOf(id)));
  await nextTask();
  openFrame(frame, mill, (width, height) => canvas.resize(width, height));
  controls.button.focus();
  timers.start();
}

// The shipped face in the weights the form uses, loaded before the first paint.
function loadFaces() {
  return Promise.all([400, 700].map((weight) => document.fonts.load(cssFont(weight, 11))));
}
