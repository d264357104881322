// Watches the calculator's opening: whatever fails before it shows (a script that cannot be
// loaded, an error thrown anywhere, a promise rejected) ends in a visible message that names what
// failed, and the page is no longer busy. It runs as the last thing in the page, before the
// modules; without JavaScript nothing runs, and only the <noscript> text shows. What is said here
// and in main.js's failures is the page's own: the core, which holds every other text, has not
// opened.
'use strict';

(() => {
    const app = document.getElementById('app');
    const fail = (reason) => {
        if (app.getAttribute('aria-busy') !== 'true') {
            return;
        }
        const line = document.createElement('p');
        line.className = 'ended';
        line.setAttribute('role', 'alert');
        line.textContent = `The calculator could not be opened: ${reason}`;
        app.textContent = '';
        app.appendChild(line);
        app.setAttribute('aria-busy', 'false');
    };
    // A module that cannot be loaded fails the modules that import it too, and its own preload
    // link failed before this script ran: ask again for the page's modules to name the one.
    const fileOf = (url) => new URL(url, document.baseURI).pathname.split('/').pop();
    const failedModules = () => Promise.all(
        [...document.querySelectorAll('link[rel=modulepreload]')].map((link) =>
            fetch(link.href, { cache: 'force-cache' })
                .then((response) => response.ok, () => false)
                .then((loaded) => (loaded ? [] : [fileOf(link.href)]))))
        .then((names) => names.flat());
    window.addEventListener('error', (event) => {
        const script = event.target;
        if (script instanceof HTMLScriptElement) {
            const named = script.type === 'module' ? failedModules() : Promise.resolve([]);
            named.then((names) => fail(`${(names.length ? names : [fileOf(script.src)])
                .join(', ')} could not be loaded.`));
        } else if (event instanceof ErrorEvent) {
            fail((event.error && event.error.message) || event.message);
        }
    }, true);
    window.addEventListener('unhandledrejection', (event) => {
        fail((event.reason && event.reason.message) || event.reason);
    });
    app.setAttribute('aria-busy', 'true');
    app.querySelector('.loading').hidden = false;
})();
