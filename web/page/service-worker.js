// The page's service worker: keeps every file the calculator needs in a cache named after this
// version of the page, and answers the page's requests from it, so that the page opens without a
// network once visited. The build (web/tools/make_offline_files.py) writes the version and the
// list of files in place of the two placeholders: a new version of any file makes a new worker,
// which fetches the new files, replaces the old worker at once and deletes the old cache, so the
// next load of the page shows the new version.
'use strict';

const VERSION = '@VERSION@';
const FILES = ['@FILES@'];
const CACHE = `spanwise-${VERSION}`;
const PAGE = 'index.html';
// The page is kept as its folder's address, as a visit loads it.
const PAGE_ADDRESS = './';

self.addEventListener('install', (event) => {
    // The first version takes the files from the browser's cache, where the visit that installs
    // it has just put them, so that a visit fetches each file once. A new version asks past that
    // cache, so that it holds the new files.
    const cacheMode = self.registration.active ? 'no-cache' : 'force-cache';
    const requests = FILES.map((file) =>
        new Request(file === PAGE ? PAGE_ADDRESS : file, { cache: cacheMode }));
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)));
    // Takes over from the old version as soon as it is installed, not once every page it serves
    // has closed. Not waited for: it settles only once this worker is active.
    self.skipWaiting();
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith('spanwise-') && name !== CACHE)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The texts of the language the page is shown in (lang-CODE.json), which the page names to the
// worker: kept with this version's files, so that the page opens in that language offline too.
// Asked past the browser's cache, which may hold an older version's.
self.addEventListener('message', (event) => {
    const file = event.data;
    if (/^lang-[\w-]+\.json$/.test(file)) {
        event.waitUntil(caches.open(CACHE).then((cache) => cache.match(file)
            .then((kept) => kept || cache.add(new Request(file, { cache: 'no-cache' })))));
    }
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    const url = new URL(request.url);
    if (request.method !== 'GET' || url.origin !== self.location.origin) {
        return;
    }
    const scope = new URL(self.registration.scope);
    // The page itself, as / or /index.html, whatever its query.
    const isPage = request.mode === 'navigate'
        && (url.pathname === scope.pathname || url.pathname === scope.pathname + PAGE);
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(isPage ? PAGE_ADDRESS : request, { ignoreSearch: true }))
        .then((cached) => cached || fetch(request)));
});
