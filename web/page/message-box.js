// A message box over the page: a caption, the text and OK (okText), in the font of the dialog it
// is shown over; with a text to copy by hand, that text beside the message, selected. Once it is
// closed (OK, Escape) the focus goes back where it was and onClosed is called.
import { make, uniqueId } from './dom.js';

export function showMessageBox(text, caption, font, okText, onClosed, copyText = '') {
    const heading = make('h2', 'title-bar title',
        { id: uniqueId('caption'), textContent: caption });
    const message = make('p', 'message', { id: uniqueId('message'), textContent: text });
    const ok = make('button', 'button default', { type: 'button', textContent: okText });
    const buttons = make('div', 'message-buttons');
    const box = make('dialog', 'modal message-box', {},
        { role: 'alertdialog', 'aria-labelledby': heading.id, 'aria-describedby': message.id });
    message.style.font = font;
    ok.style.font = font;
    ok.addEventListener('click', () => box.close());
    buttons.append(ok);
    box.append(heading, message);
    const copy = copyText && make('textarea', 'copy-text', { readOnly: true, value: copyText,
        rows: Math.min(12, copyText.split('\n').length) }, { 'aria-labelledby': message.id });
    if (copy) {
        box.append(copy);
    }
    box.append(buttons);
    const returnFocus = document.activeElement;
    box.addEventListener('close', () => {
        box.remove();
        if (returnFocus && returnFocus.isConnected) {
            returnFocus.focus();
        }
        onClosed();
    });
    document.body.append(box);
    box.showModal();
    if (copy) {
        copy.focus();
        copy.select();
    } else {
        ok.focus();
    }
}
