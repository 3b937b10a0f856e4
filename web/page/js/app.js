// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's host for the mill: builds the frame, canvas, controls and timers around the module's
// running mill, hands it every input and shows what each changed, as the desktop window does.

import { openMill } from './mill.js';
import { FormCanvas } from './canvas.js';
import { bannerStop, captionTools } from './caption_tools.js';
import { WindowedControls } from './controls.js';
import { dragToResize, openFrame } from './frame.js';
import { fitStage } from './fit.js';
import { Readouts } from './readouts.js';
import { reachFor } from './reach.js';
import { nextTask } from './tasks.js';
import { cssFont } from './text.js';
import { TimerBank } from './timers.js';
import { zoomView } from './zoom.js';

// The canvas's backing store at most, in device pixels (64 MB): zoomed far in on a large
// screen, the form is painted at the ratio that fills it and stretched the rest of the way.
const MostCanvasPixels = 4096 * 4096;

// The page is built in a few tasks, none long enough to keep a phone from answering a touch.
export async function openPage(frame) {
  const arrived = openMill().catch((cause) => {
    throw Object.assign(new Error('the module did not arrive', { cause }), { failure: 'network' });
  });
  const [{ module, mill }] = await Promise.all([arrived, loadFaces()]);
  await nextTask();
  const client = frame.querySelector('.client');
  const canvas = new FormCanvas(client.querySelector('canvas'), mill);
  const readouts = new Readouts(frame.querySelector('.readouts'), mill.liveTexts(),
    module.AdviceId);
  const timers = new TimerBank((id) => show(mill.tick(id, performance.now())));
  canvas.repaintWhenRestored();
  const controls = new WindowedControls(client, mill.windowed(), {
    onInput: (id, text) => show(mill.setText(id, text)),
    onValue: (id, value) => show(mill.setValue(id, value)),
    onClick: () => show(mill.press(performance.now())),
  });
  const tools = captionTools(frame);
  const stop = bannerStop(tools, module, mill, show);
  // What an input changed, shown: the timers set anew first, so that nothing below can keep a
  // timer from its next tick, then the controls and texts and the stale part of the canvas. A
  // procedure that an error ended early is logged quietly, as the desktop does.
  function show(changes) {
    timers.follow(changes.timers);
    if (changes.stale) canvas.invalidate();
    for (const state of changes.controls) controls.sync(state);
    for (const state of changes.texts) readouts.follow(state, changes.adviceAppeared);
    if (changes.error) console.debug(changes.error);
  }
  // The canvas is sized and shown once the form has been painted off screen below.
  let ready = false;
  let offScreen = null; // that painting, until the canvas has taken it
  let size = null;
  let ratio = window.devicePixelRatio;
  const showCanvas = () => {
    if (!ready || !size) return;
    canvas.resize(size.width, size.height, ratio, offScreen);
    if (offScreen) Object.assign(offScreen.element, { width: 0, height: 0 });
    offScreen = null;
  };
  openFrame(frame, mill, (width, height) => {
    size = { width, height };
    showCanvas();
  });
  const { width: formWidth, height: formHeight } = mill.clientArea();
  const most = Math.sqrt(MostCanvasPixels / (formWidth * formHeight));
  const stage = fitStage(frame, (scale, fitted) => {
    ratio = Math.min(fitted, most);
    reachFor(controls.placed, scale);
    tools.fit(scale);
    showCanvas();
  });
  dragToResize(frame, stage);
  zoomView(frame, stage, tools);
  offScreen = await paintInBands(mill, ratio);
  ready = true;
  showCanvas();
  controls.button.focus();
  show(mill.start(performance.now()));
  stop.standStillIfAsked(); // before the banner's first tick
}

// The whole form painted off screen, a band a task, in tasks short enough to keep a phone
// answering a touch: the module's drawing code is compiled, every caption measured and its
// glyphs drawn. Where the canvas then shows the form at the same size, it takes these pixels
// and its first frame paints nothing; a change to the form meanwhile is painted with the next
// band.
async function paintInBands(mill, ratio) {
  const Bands = 24;
  const { width, height } = mill.clientArea();
  const offScreen = new FormCanvas(document.createElement('canvas'), mill);
  offScreen.fit(width, height, ratio);
  for (let band = 0; band < Bands; band++) {
    await nextTask();
    const top = Math.floor((band * height) / Bands);
    mill.expose(0, top, width, Math.floor(((band + 1) * height) / Bands) - top);
    mill.paint(ratio, offScreen.backend);
  }
  await nextTask();
  return offScreen;
}

// The shipped face in the weights the form uses, loaded before the first paint. Where it does
// not arrive, the form is measured and drawn in the browser's own face.
function loadFaces() {
  return Promise.all([400, 700].map((weight) => document.fonts.load(cssFont(weight, 11))))
    .catch((error) => console.info('The caption face did not arrive:', error.message));
}
