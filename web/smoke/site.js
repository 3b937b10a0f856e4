// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built site served on a free port of this machine for as long as a run needs it, by the
// same server the Playwright tests use.
import { spawn } from 'node:child_process';

const Site = new URL('../../build-web/site/', import.meta.url).pathname;

// Resolves to { url, stop() } once the server listens.
export function serveSite() {
  // Port 0: the system picks a free port, which the server names in its first line.
  const server = spawn('/usr/bin/python3',
    ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', Site],
    { stdio: ['ignore', 'pipe', 'ignore'] }); // stderr: the server's request log
  const stop = () => server.exitCode === null && server.kill();
  process.on('exit', stop);
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = / port (\d+)/.exec(said)?.[1];
      if (port) resolve({ url: `http://127.0.0.1:${port}/`, stop });
    });
    server.on('error', reject);
    server.on('exit', (code) => reject(new Error(`the site's server ended with ${code}`)));
  });
}
