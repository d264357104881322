// Small helpers for making the page's elements.

let lastNumber = 0;

// An id no other element of the page has.
export function uniqueId(prefix) {
    lastNumber += 1;
    return `${prefix}-${lastNumber}`;
}

// A new element of that tag and class, with properties (type, textContent, id, ...) and attributes
// (role, aria-...) set.
export function make(tag, className = '', properties = {}, attributes = {}) {
    const element = Object.assign(document.createElement(tag), properties);
    if (className) {
        element.className = className;
    }
    for (const [name, value] of Object.entries(attributes)) {
        element.setAttribute(name, value);
    }
    return element;
}

// Replaces what the page shows with a line of text and links, announced with role.
export function showNotice(app, role, ...content) {
    const line = make('p', 'ended', {}, { role });
    line.append(...content);
    app.replaceChildren(line);
    app.setAttribute('aria-busy', 'false');
}
