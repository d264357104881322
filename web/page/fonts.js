// The page's fonts measured, so that dialogs are laid out in the units their templates use.

const context = document.createElement('canvas').getContext('2d');

function measure(font, text) {
    context.font = font;
    const metrics = context.measureText(text);
    return [metrics.width, metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent];
}

// The width of letters and the height of a line in font, in whole pixels.
export function measureFont(font, letters) {
    return measure(font, letters).map(Math.round);
}

// A control's own font ({height, weight, families}): its height is that of the character cell, so
// take the largest size whose cell fits in it. A font without a height has the dialog's size.
export function controlFont({ height, weight, families }, pointSize) {
    const prefix = `${weight > 0 ? weight : 400} `;
    if (height <= 0) {
        return `${prefix}${pointSize}pt ${families}`;
    }
    let size = height;
    while (size > 1 && measure(`${prefix}${size}px ${families}`, 'A')[1] > height + 0.01) {
        size -= 1;
    }
    return `${prefix}${size}px ${families}`;
}
