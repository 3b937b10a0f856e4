// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smoke checks that every engine runs (../smoke/checks.js), here in Chromium, in real time.
import { test } from './support.js';
import { Checks, runCheck } from '../smoke/checks.js';
import { playwrightDriver } from '../smoke/driver.js';

for (const [name, check] of Checks)
  test(`in real time: ${name}`, ({ page, baseURL }) => runCheck(playwrightDriver(page, baseURL), check));
