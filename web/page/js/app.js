// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's host for the mill: builds the frame, canvas, controls and timers around the model
// and delivers every event at one dispatch point, as the desktop window does.

import { openMill } from './mill.js';
import { FormCanvas } from './canvas.js';
import { WindowedControls } from './controls.js';
import { dragToResize, openFrame } from './frame.js';
import { fitStage } from './fit.js';
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
  const readouts = new Readouts(frame.querySelector('.readouts'), mill.liveTexts(),
    module.AdviceId);
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
  // The canvas is sized and painted once the rehearsal below has readied the drawing code.
  let ready = false;
  let size = null;
  let ratio = window.devicePixelRatio;
  const show = () => ready && size && canvas.resize(size.width, size.height, ratio);
  openFrame(frame, mill, (width, height) => {
    size = { width, height };
    show();
  });
  const stage = fitStage(frame, (scale, fitted) => {
    ratio = fitted;
    show();
  });
  dragToResize(frame, stage);
  await rehearse(mill, module, ratio);
  ready = true;
  show();
  controls.button.focus();
  timers.start(mill.timers());
}

// The whole form painted once, a band a task, on a canvas no one sees: the module's drawing
// code is compiled, every caption measured and its glyphs drawn, so that the first frame, one
// task that cannot be cut, finds all of it ready.
async function rehearse(mill, module, ratio) {
  const Bands = 24;
  const { width, height } = mill.clientArea();
  const scratch = new FormCanvas(document.createElement('canvas'), mill, module);
  Object.assign(scratch.element, { width: Math.ceil(width * ratio), height: Math.ceil(height * ratio) });
  for (let band = 0; band < Bands; band++) {
    await nextTask();
    const top = Math.floor((band * height) / Bands);
    mill.expose(0, top, width, Math.floor(((band + 1) * height) / Bands) - top);
    mill.paint(ratio, scratch.backend);
  }
  Object.assign(scratch.element, { width: 0, height: 0 });
  await nextTask();
}

// The shipped face in the weights the form uses, loaded before the first paint.
function loadFaces() {
  return Promise.all([400, 700].map((weight) => document.fonts.load(cssFont(weight, 11))));
}
