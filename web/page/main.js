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
    'spanwise.js': globalThis.createSpanwise,
}).filter(([, found]) => !found).map(([name]) => name);
if (missing.length) {
    throw new Error(`this browser lacks ${missing.join(', ')}.`);
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
            .then((instance) => receiveInstance(instance, module)));
    return {};
}

// The picks of the address (?model=Cedar&function=REC), as spanwise-cli's LIST=VALUE words.
const picks = [...new URLSearchParams(window.location.search)].map(([list, value]) =>
    `${list}=${value}`);

globalThis.createSpanwise({ instantiateWasm }).then((module) => {
    const host = new PageHost(app);
    host.calculator = new module.Calculator(host);
    host.act((calculator) => {
        calculator.open();
        calculator.applyPicks(picks);
    }, false);
    app.setAttribute('aria-busy', 'false');
    performance.mark('spanwise-first-results');
});
