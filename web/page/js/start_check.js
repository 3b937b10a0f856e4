// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Written into the page after its frame: once the page has loaded, a page whose script never
// ran (blocked, or lost on the way) says so in the client area rather than stay an empty box.
import { ScriptArrived, showFailure } from './failure.js';

window.addEventListener('load', () => {
  if (!document.documentElement.hasAttribute(ScriptArrived)) showFailure('network');
});
