// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the page for use without a network through its service worker, registered only once
// the page has started, so that neither the first paint nor a host without workers waits on it.
// A new build takes over once this page has all its files and serves the next load; a note
// beside the frame says so, and loads it at once when clicked. The page never reloads by itself
// once it has started.

import { showNote } from './notes.js';

// The page's Content-Security-Policy lets only this policy name a script: the worker's own.
function workerScript() {
  const Worker = 'sw.js';
  if (!window.trustedTypes) return Worker;
  const policy = trustedTypes.createPolicy('molen', {
    createScriptURL: (url) => {
      if (url !== Worker) throw new TypeError(`not the page's worker: ${url}`);
      return url;
    },
  });
  return policy.createScriptURL(Worker);
}

// `started` settles once the page has loaded every file it needs, or failed to start.
export async function workOffline(started) {
  const workers = navigator.serviceWorker;
  if (!workers) return;
  const ranBefore = Boolean(workers.controller);
  let loading = true;
  // Another tab let a new build take over while this one was still fetching: start afresh,
  // whole from the new build, rather than mix the files of two.
  workers.addEventListener('controllerchange', () => {
    if (loading) location.reload();
    else if (ranBefore) showNote('update', () => location.reload());
  });
  const failed = await started.then(() => false, () => true);
  loading = false;
  try {
    const registration = await workers.register(workerScript());
    adoptWhenInstalled(registration);
    // A build that does not start, or an app that stays open, looks for the next build.
    if (failed) lookForUpdate(registration);
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') lookForUpdate(registration);
    });
  } catch (error) {
    console.warn('Without a network the page will not open:', error.message);
  }
}

function lookForUpdate(registration) {
  registration.update().catch((error) => console.info('No new build looked for:', error.message));
}

// This page has all its files, or none will help it, so a newly installed build may serve the
// next load.
function adoptWhenInstalled(registration) {
  const adopt = (worker) => worker.postMessage('take-over');
  const whenInstalled = (worker) => {
    if (worker.state === 'installed') adopt(worker);
    else worker.addEventListener('statechange', () => worker.state === 'installed' && adopt(worker));
  };
  if (registration.waiting) adopt(registration.waiting);
  if (registration.installing) whenInstalled(registration.installing);
  registration.addEventListener('updatefound', () => whenInstalled(registration.installing));
}
