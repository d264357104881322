// Spanwise in the browser. The calculator dialog, its rules and its texts are the program's own
// core, compiled to WebAssembly (spanwise.js, spanwise.wasm); the page only draws what the core
// holds (see page-host.js). This script loads the core and opens the calculator on the page with
// the picks its address holds. Whatever fails on the way is shown by opening.js.
import { compiledCore } from './compile-core.js';
import { PageHost } from './page-host.js';

const app = document.getElementById('app');

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

globalThis.createSpanwise({ instantiateWasm }).then((module) => {
    const host = new PageHost(app, JSON.parse(module.Calculator.pageTexts()));
    host.calculator = new module.Calculator(host);
    host.act((calculator) => {
        calculator.open();
        calculator.applyAddress(addressPairs(window.location.search));
    }, false);
    app.setAttribute('aria-busy', 'false');
    performance.mark('spanwise-first-results');
});
