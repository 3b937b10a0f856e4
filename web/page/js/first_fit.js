// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Written into the page after its frame: fits the frame to the viewport before the first paint,
// so that the caption bar shows at its place and size at once rather than when the module is in.
import { placeStage } from './fit.js';

placeStage(document.querySelector('.frame'));
