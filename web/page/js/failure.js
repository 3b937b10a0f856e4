// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's word that the mill cannot start: one of the messages in the client area (see
// index.html), shown in place of the form.

// Set on the page's root element by the page's script as it starts to run.
export const ScriptArrived = 'data-script';

// `kind`: 'network' (a file did not arrive), 'browser' (no WebAssembly) or 'start'.
export function showFailure(kind) {
  const client = document.querySelector('.client');
  if (!client || client.querySelector('.failure:not([hidden])')) return;
  client.querySelector(`.failure[data-failure="${kind}"]`).hidden = false;
  client.querySelector('canvas').hidden = true;
}

// A module of the smallest size that uses WebAssembly's exceptions, which the mill's module
// needs: a function with a try block that catches all.
const ExceptionProbe = new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, // magic, version
  0x01, 0x04, 0x01, 0x60, 0x00, 0x00, // one type: () -> ()
  0x03, 0x02, 0x01, 0x00, // one function of it
  0x0a, 0x08, 0x01, 0x06, 0x00, 0x06, 0x40, 0x19, 0x0b, 0x0b, // try, catch_all, end, end
]);

// Whether this browser can run the mill's module at all.
export function canRunModule() {
  try {
    return typeof WebAssembly === 'object' && WebAssembly.validate(ExceptionProbe);
  } catch {
    return false;
  }
}
