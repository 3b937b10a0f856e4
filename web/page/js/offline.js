// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the page for use without a network through its service worker, registered only once
// the page has started, so that neither the first paint nor a host without workers waits on it.

// `started` settles once the page has loaded every file it needs.
export async function workOffline(started) {
  const workers = navigator.serviceWorker;
  if (!workers) return;
  let loading = true;
  // Another tab let a new build take over while this one was still fetching: start afresh,
  // whole from the new build, rather than mix the files of two.
  workers.addEventListener('controllerchange', () => loading && location.reload());
  await started;
  loading = false;
  try {
    const registration = await workers.register('sw.js');
    adoptWhenInstalled(registration);
  } catch (error) {
    console.warn('Without a network the page will not open:', error.message);
  }
}

// This page has all its files, so a newly installed build may serve the next load.
function adoptWhenInstalled(registration) {
  const adopt = (worker) => worker.postMessage('take-over');
  if (registration.waiting) adopt(registration.waiting);
  registration.addEventListener('updatefound', () => {
    const worker = registration.installing;
    worker.addEventListener('statechange', () => worker.state === 'installed' && adopt(worker));
  });
}
