// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built site served on a free port of this machine for as long as a run needs it, by the
// same server (scripts/serve-site) the Playwright tests use.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

const Root = new URL('../../', import.meta.url).pathname;

// A port the system has just found free.
function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
    probe.on('error', reject);
  });
}

// Resolves to { url, stop() } once the server answers.
export async function serveSite() {
  const port = await freePort();
  const server = spawn(`${Root}scripts/serve-site`, [`${Root}build-web/site`, String(port)],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  const stop = () => server.exitCode === null && server.kill('SIGTERM');
  process.on('exit', stop);
  const url = `http://127.0.0.1:${port}/`;
  for (let tries = 0; tries < 100; tries++) {
    if (server.exitCode !== null) throw new Error(`the site's server ended with ${server.exitCode}`);
    try {
      if ((await fetch(url)).ok) return { url, stop };
    } catch { /* not listening yet */ }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  stop();
  throw new Error(`the site's server did not answer at ${url}`);
}
