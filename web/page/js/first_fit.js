// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Written into the page after its frame: fits the frame to the viewport before the first paint,
// so that the caption bar shows at its place and size at once rather than when the module is in.
// It waits for the first frame's own layout rather than forcing one while the page is parsed:
// the two together would make one long task.
import { placeStage } from './fit.js';

requestAnimationFrame(() => placeStage(document.querySelector('.frame')));
