// Small helpers for making the page's elements, and for measuring its fonts. (One module, not two:
// each file costs a visit an answer's headers.)

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

// The page's fonts measured as the browser draws them, so that dialogs are laid out in the units
// their templates use. Text is measured in the document, not on a canvas: only there do the
// reader's settings apply (a minimum font size, a larger default), and a dialog laid out from a
// canvas's measures is too small for the text the browser then draws in it.

// Width and height of text drawn in font (CSS), in pixels: one line, as a static text draws it.
function measure(font, text) {
    const probe = document.createElement('span');
    Object.assign(probe.style, { font, position: 'absolute', visibility: 'hidden',
        whiteSpace: 'pre', lineHeight: 'normal', left: '0', top: '0' });
    probe.textContent = text;
    document.body.append(probe);
    const { width, height } = probe.getBoundingClientRect();
    probe.remove();
    return [width, height];
}

// The width of letters and the height of a line in font, in whole pixels.
export function measureFont(font, letters) {
    return measure(font, letters).map(Math.ceil);
}

// A control's own font ({height, weight, families}): its height is that of the character cell, so
// take the largest size whose line fits in it; the browser may still draw it larger (a minimum
// font size), and the control's box then grows with the dialog's. A font without a height has the
// dialog's size.
export function controlFont({ height, weight, families }, pointSize) {
    const prefix = `${weight > 0 ? weight : 400} `;
    if (height <= 0) {
        return `${prefix}${pointSize}pt ${families}`;
    }
    const lineAt100 = measure(`${prefix}100px ${families}`, 'A')[1];
    const size = Math.max(1, Math.floor(height / lineAt100 * 100));
    return `${prefix}${size}px ${families}`;
}
