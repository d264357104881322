// Spanwise in the browser. The calculator dialog, its rules and its texts are the program's own
// core, compiled to WebAssembly (spanwise.js, spanwise.wasm); the page only draws what the core
// holds (see page-host.js). This script loads the core and opens the calculator on the page with
// the picks its address holds, in the language the page is shown in. Whatever fails on the way
// is shown by opening.js.
import { compiledCore } from './compile-core.js';
import { PageHost } from './page-host.js';

const app = document.getElementById('app');

// The service worker (service-worker.js) keeps the page's files, so that the calculator opens
// again without a network once it has been visited, and takes a new version when one is deployed.
// Browsers offer service workers on https:// pages and on http://127.0.0.1 or localhost only;
// elsewhere, or where it cannot be registered, the page works as before, online. (Here rather
// than in a script of its own: each file costs a visit an answer's headers.)
if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
        const returning = navigator.serviceWorker.controller !== null;
        navigator.serviceWorker.register('service-worker.js')
            // A page the worker served asks at once whether a new version has been deployed,
            // rather than when the browser gets round to it: it then shows at the next load.
            .then((registration) => (returning ? registration.update() : registration))
            .catch(() => {});
    });
}

// What the page needs of the browser, beyond the modules it runs in.
const missing = Object.entries({
    WebAssembly: globalThis.WebAssembly,
    'Element.replaceChildren': Element.prototype.replaceChildren,
    'HTMLDialogElement.showModal': globalThis.HTMLDialogElement
        && HTMLDialogElement.prototype.showModal,
}).filter(([, found]) => !found).map(([name]) => name);
if (missing.length) {
    throw new Error(`this browser lacks ${missing.join(', ')}.`);
}
if (!globalThis.createSpanwise) {
    throw new Error('spanwise.js could not be loaded.');
}

// The core as compile-core.js compiled it; from its bytes when that failed (a server that does not
// send .wasm files as application/wasm). A failure names the file.
function instantiateWasm(imports, receiveInstance) {
    const fromBytes = () => fetch('spanwise.wasm').then((response) => {
        if (!response.ok) {
            throw new Error(`${response.status} ${response.statusText}`);
        }
        return response.arrayBuffer();
    }).then((bytes) => WebAssembly.compile(bytes));
    compiledCore.catch(fromBytes)
        .then((module) => WebAssembly.instantiate(module, imports)
            .then((instance) => [instance, module]))
        .then(([instance, module]) => receiveInstance(instance, module), (error) => {
            throw new Error(`spanwise.wasm could not be loaded (${error.message}).`);
        });
    return {};
}

// The address's query as [key, value] pairs, each percent-decoded. A '+' stays a '+': the core
// reads it as a blank only where that names no entry (see CWebCalculator::ApplyAddress).
function addressPairs(query) {
    const decode = (text) => {
        try {
            return decodeURIComponent(text);
        } catch {
            return text; // a stray '%', as typed
        }
    };
    return query.replace(/^\?/, '').split('&').filter(Boolean).map((part) => {
        const at = part.indexOf('=');
        return at < 0 ? [decode(part), '']
            : [decode(part.slice(0, at)), decode(part.slice(at + 1))];
    });
}

// The language the page is shown in: the address's lang= where the page speaks it ("en" too),
// else the first of the browser's languages it speaks, else English; a language is its tag's
// first part ("ja" of "ja-JP" or "ja_JP"). A lang= the page does not speak is passed over, as any
// other word of the address that names no list.
const spoken = ['en', ...app.dataset.languages.split(' ').filter(Boolean)];
const speaks = (tag) => spoken.find((code) => code === tag.split(/[-_]/)[0].toLowerCase());
const asked = new URLSearchParams(window.location.search).get('lang') || '';
const language = speaks(asked) || navigator.languages.map(speaks).find(Boolean) || 'en';

// The core's texts in that language, fetched while the core loads; where they cannot be had the
// page stays in English, and says so in the console only. The service worker, once ready, keeps
// them for the page to open in that language offline.
const file = `lang-${language}.json`;
const translations = language !== 'en' && fetch(file).then((response) => {
    if (!response.ok) {
        throw new Error(`${response.status} ${response.statusText}`);
    }
    navigator.serviceWorker?.ready.then((registration) => registration.active.postMessage(file));
    return response.json();
}).catch((error) => console.warn(`${file} could not be loaded (${error.message}): English.`));

globalThis.createSpanwise({ instantiateWasm }).then(async (module) => {
    const texts = await translations;
    if (texts) {
        module.Calculator.speak(language, texts);
        document.documentElement.lang = language;
    }
    // The address keeps a lang= the page speaks.
    const host = new PageHost(app, JSON.parse(module.Calculator.pageTexts()),
        speaks(asked) && asked);
    host.calculator = new module.Calculator(host);
    host.act((calculator) => {
        calculator.open();
        calculator.applyAddress(addressPairs(window.location.search));
    }, false);
    app.setAttribute('aria-busy', 'false');
    performance.mark('spanwise-first-results');
});
