// Registers the service worker (service-worker.js), which keeps the page's files so that the
// calculator opens again without a network once it has been visited, and takes a new version
// when one is deployed. Browsers offer service workers on https:// pages and on
// http://127.0.0.1 or localhost only; elsewhere the page works as before, online.
'use strict';

if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
        const returning = navigator.serviceWorker.controller !== null;
        navigator.serviceWorker.register('service-worker.js')
            // A page the worker served asks at once whether a new version has been deployed,
            // rather than when the browser gets round to it: it then shows at the next load.
            .then((registration) => (returning ? registration.update() : registration))
            .catch(() => {
                // Without a worker, or without a network, the page still works as it is.
            });
    });
}
