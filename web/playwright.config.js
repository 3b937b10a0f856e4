// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser tests: Debian's Chromium, headless, against the built site served on a free port
// by the same server, with the same headers and compressed files, as `scripts/web` uses.
import { defineConfig } from '@playwright/test';

const port = Number(process.env.MOLEN_WEB_PORT || 8181);

export const chromiumOptions = {
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  // As root Chromium needs --no-sandbox; the rest keeps it off the network and quiet.
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--no-first-run', '--disable-sync'],
};

export default defineConfig({
  testDir: 'tests',
  timeout: 60_000,
  workers: 1,
  reporter: [['list']],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    headless: true,
    viewport: { width: 900, height: 720 },
    launchOptions: chromiumOptions,
  },
  webServer: {
    command: `../scripts/serve-site ../build-web/site ${port}`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    // Stopped as a user stops it, so that it takes its server and temporary folder with it.
    gracefulShutdown: { signal: 'SIGTERM', timeout: 5000 },
  },
});
