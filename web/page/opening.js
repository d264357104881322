// Watches the calculator's opening: whatever fails before it shows (a script that cannot be
// loaded, an error thrown anywhere, a promise rejected) ends in a visible message, and the page is
// no longer busy. It runs as the last thing in the page, before the modules; without JavaScript
// nothing runs, and only the <noscript> text shows.
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
    window.addEventListener('error', (event) => {
        if (event.target instanceof HTMLScriptElement) {
            fail(`${event.target.src} could not be loaded.`);
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
