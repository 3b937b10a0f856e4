// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one script: opens the mill in the page's frame, then keeps the page for use
// without a network. The build bundles it with every module it imports.
import { openPage } from './app.js';
import { workOffline } from './offline.js';

workOffline(openPage(document.querySelector('.frame')));
