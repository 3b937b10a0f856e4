// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site kept for use without a network: every file of one build in a cache named by that
// build's hash, served from there first. A new build installs whole beside the old one, waits
// while a page of the old build is still starting, and serves every load after that.

// The build writes this line: the cache's name and every file of the site with its digest.
const Build = { cache: 'molen-unbuilt', files: [] };
const Prefix = 'molen-';
const Digests = new Map(Build.files.map(({ path, integrity }) => [path, integrity]));

// A file of this build from the host, checked against its digest so that a host half-way
// through an update cannot hand this build a file of another. Only a whole, OK answer is kept;
// one that came by a redirect is kept as a plain answer of its own, for a redirected answer
// cannot serve a page's load.
async function fetchFile(path) {
  const response = await fetch(new Request(path, { cache: 'no-cache', integrity: Digests.get(path) }));
  if (!response.ok) throw new Error(`${path}: ${response.status}`);
  if (!response.redirected) return response;
  const { status, statusText, headers } = response;
  return new Response(await response.blob(), { status, statusText, headers });
}

// Anything missing fails the install and keeps the old build.
async function precache() {
  const cache = await caches.open(Build.cache);
  try {
    await Promise.all(Build.files.map(async ({ path }) => cache.put(path, await fetchFile(path))));
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

// The file of this build a request asks for, as the build's list names it; a folder's address
// stands for its index.html, as the host serves it.
function pathOf(request) {
  const scope = new URL(self.registration.scope).pathname;
  const { pathname } = new URL(request.url);
  if (!pathname.startsWith(scope)) return null;
  const path = pathname.slice(scope.length) || 'index.html';
  return path.endsWith('/') ? `${path}index.html` : path;
}

async function matchesDigest(response, integrity) {
  const digest = await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer());
  return `sha256-${btoa(String.fromCharCode(...new Uint8Array(digest)))}` === integrity;
}

// The kept copy of a file of the build; one that no longer reads back as it was kept, or came
// by a redirect, is fetched again.
async function keptFile(path) {
  const cache = await caches.open(Build.cache);
  const kept = await cache.match(path);
  if (kept && !kept.redirected && (await matchesDigest(kept, Digests.get(path)))) return kept;
  const fetched = await fetchFile(path);
  await cache.put(path, fetched.clone());
  return fetched;
}

// From the cache first; where that fails in any way, from the network as if there were no worker.
async function serve(request) {
  const path = pathOf(request);
  if (path !== null && Digests.has(path)) {
    try {
      return await keptFile(path);
    } catch (error) {
      console.warn(`${path} served from the network:`, error.message);
    }
  }
  return fetch(request);
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
  event.respondWith(serve(request));
});
