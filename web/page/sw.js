// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site kept for use without a network: every file of one build in a cache named by that
// build's hash, served from there first. A new build installs whole beside the old one, waits
// while a page of the old build is still starting, and serves every load after that.

// The build writes this line: the cache's name and every file of the site with its digest.
const Build = { cache: 'molen-unbuilt', files: [] };
const Prefix = 'molen-';

// Each file is checked against its digest, so that a host half-way through an update cannot
// hand this build a file of another; anything missing fails the install and keeps the old one.
async function precache() {
  const cache = await caches.open(Build.cache);
  try {
    await Promise.all(Build.files.map(async ({ path, integrity }) => {
      const response = await fetch(new Request(path, { cache: 'no-cache', integrity }));
      if (!response.ok) throw new Error(`${path}: ${response.status}`);
      await cache.put(path, response);
    }));
  } catch (error) {
    await caches.delete(Build.cache);
    throw error;
  }
}

async function dropOtherBuilds() {
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith(Prefix) && name !== Build.cache)
    .map((name) => caches.delete(name)));
}

// A folder's address stands for its index.html, as the host serves it.
async function fromCache(request) {
  const url = new URL(request.url);
  if (url.pathname.endsWith('/')) url.pathname += 'index.html';
  const cache = await caches.open(Build.cache);
  return (await cache.match(url.href, { ignoreSearch: true })) ?? fetch(request);
}

self.addEventListener('install', (event) => event.waitUntil(precache()));
self.addEventListener('activate', (event) => event.waitUntil(dropOtherBuilds()));
// A page of the old build that has loaded all its files lets the new build take over.
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fromCache(request));
});
