// ESLint's rules for the page's scripts. scripts/check-static runs ESLint here, in web/, as
// scripts/npm-tools installs it into build/npm, whose node_modules it is given as NODE_PATH. The
// page's scripts are ES modules in the browser, but for the classic script that watches the
// opening, and the service worker itself.
const js = require('@eslint/js');
const globals = require('globals');

const classicScripts = ['page/opening.js'];
const worker = 'page/service-worker.js';

module.exports = [
    js.configs.recommended,
    {
        files: ['page/**/*.js'],
        languageOptions: { ecmaVersion: 2022, sourceType: 'module' },
        linterOptions: { reportUnusedDisableDirectives: 'error' },
        rules: {
            eqeqeq: 'error',
            'no-implicit-coercion': 'error',
            'no-shadow': 'error',
            'no-unused-vars': ['error', { args: 'after-used', argsIgnorePattern: '^_' }],
            'no-var': 'error',
            'prefer-const': 'error',
        },
    },
    {
        files: ['page/**/*.js'],
        ignores: [worker],
        // createSpanwise: what spanwise.js, the core's bindings, defines.
        languageOptions: { globals: { ...globals.browser, createSpanwise: 'readonly' } },
    },
    { files: classicScripts, languageOptions: { sourceType: 'script' } },
    {
        files: [worker],
        languageOptions: { sourceType: 'script', globals: globals.serviceworker },
    },
];
