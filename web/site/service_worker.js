// Keeps the site for offline use. Each build has a cache of its own, filled whole before it
// is used (addAll fails as a whole); it takes over once no page of the previous build is open,
// or when a page asks it to (and then every page loads again), and then the previous build's
// cache goes. So a page never mixes two builds.
const CACHE = 'tarvek-@SITE_VERSION@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

// A page's "Update now": this build takes over at once, and the pages load again (new_version.mjs).
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) =>
    Promise.all(names.filter((name) => name.startsWith('tarvek-') && name !== CACHE).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
