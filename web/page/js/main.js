// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one script: opens the mill in the page's frame, then keeps the page for use
// without a network. The build bundles it with every module it imports.
import { openPage } from './app.js';
import { ScriptArrived, canRunModule, showFailure } from './failure.js';
import { noteUnexpectedErrors } from './notes.js';
import { workOffline } from './offline.js';

document.documentElement.setAttribute(ScriptArrived, '');

// A mill that cannot start says why in the client area; once it runs, an error the page did
// not expect is noted beside the frame and the mill runs on.
async function start() {
  if (!canRunModule()) throw Object.assign(new Error('no WebAssembly'), { failure: 'browser' });
  await openPage(document.querySelector('.frame'));
  noteUnexpectedErrors();
}

const started = start();
started.catch((error) => {
  showFailure(error.failure ?? 'start');
  console.error('The mill did not start:', error);
});
workOffline(started);
