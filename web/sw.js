// SPDX-License-Identifier: MIT
// Keeps the calculator working offline once it has been opened over HTTP: every file of the
// site is cached on installation and served from the cache, the network only for anything else.
// The build writes the cache's version (a digest of the files) and the list of files.
'use strict';

const cacheName = 'zorvikquillet-@VERSION@';
const siteFiles = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(
    caches.open(cacheName)
      .then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((hit) => hit || fetch(request)));
});
