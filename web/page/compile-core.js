// Starts compiling the core as soon as the page is read, while the style sheet and the other
// scripts still load: index.html runs this first, and main.js takes the compiled module.
export const compiledCore = typeof WebAssembly === 'object' && WebAssembly.compileStreaming
    ? WebAssembly.compileStreaming(fetch('spanwise.wasm'))
    : Promise.reject(new Error('no streaming compilation'));
compiledCore.catch(() => {});
