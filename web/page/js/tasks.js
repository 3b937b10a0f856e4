// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long piece of work cut into tasks, so that the browser may paint and take input between.

// Resolves in a fresh task. A message, not a timer: the page's timers neither delay nor hold it.
export function nextTask() {
  return new Promise((resolve) => {
    const { port1, port2 } = new MessageChannel();
    port1.onmessage = () => {
      port1.close();
      resolve();
    };
    port2.postMessage(null);
  });
}
