// Spanwise in the browser. The calculator dialog, its rules and its texts are the program's own
// core, compiled to WebAssembly (spanwise.js, spanwise.wasm); the page only draws what the core
// holds (see page-host.js). This script loads the core and opens the calculator on the page.
import { compiledCore } from './compile-core.js';
import { showNotice } from './dom.js';
import { PageHost } from './page-host.js';

const app = document.getElementById('app');

function showLoadError(error) {
    showNotice(app, 'alert',
        `The calculator could not be loaded: ${error && error.message ? error.message : error}`);
}

// The core as compile-core.js compiled it; from its bytes when that failed (a server that does not
// send .wasm files as application/wasm).
function instantiateWasm(imports, receiveInstance) {
    const fromBytes = () => fetch('spanwise.wasm').then((response) => {
        if (!response.ok) {
            throw new Error(`spanwise.wasm: ${response.status} ${response.statusText}`);
        }
        return response.arrayBuffer();
    }).then((bytes) => WebAssembly.compile(bytes));
    compiledCore.catch(fromBytes)
        .then((module) => WebAssembly.instantiate(module, imports)
            .then((instance) => receiveInstance(instance, module)))
        .catch(showLoadError);
    return {};
}

function openCalculator(module) {
    const host = new PageHost(app);
    host.calculator = new module.Calculator(host);
    host.act((calculator) => calculator.open());
    app.setAttribute('aria-busy', 'false');
    performance.mark('spanwise-first-results');
}

if (typeof globalThis.createSpanwise !== 'function' || typeof WebAssembly !== 'object') {
    showLoadError('this browser runs no WebAssembly, or spanwise.js is missing');
} else {
    globalThis.createSpanwise({ instantiateWasm }).then(openCalculator, showLoadError);
}
