// The page as the core's window system (see web/WebHost.h): it draws the dialogs and message boxes
// the core opens and writes to the browser's clipboard; the user's actions go back to the core,
// and then the page draws what they changed. None of the functions the core calls calls the core:
// everything the user does is handed over from an event of its own. The page's address holds the
// picks that reopen what the calculator shows.
import { DialogView } from './dialog-view.js';
import { make, showNotice } from './dom.js';
import { measureFont } from './fonts.js';
import { showMessageBox } from './message-box.js';

// The window menu's item of the page's own: the address, picks and all, to the clipboard.
const COPY_LINK = { id: 0, text: 'Copy Link', mnemonic: 5 };

// The address with the picks in its query, each LIST=VALUE as it reads ('/' left as it is).
function addressOf(words) {
    const address = new URL(window.location.href);
    address.search = words.map((word) => {
        const at = word.indexOf('=');
        return `${encodeURIComponent(word.slice(0, at))}=${
            encodeURIComponent(word.slice(at + 1)).replaceAll('%2F', '/')}`;
    }).join('&');
    return address.href;
}

export class PageHost {
    // app: the element the calculator is drawn in.
    constructor(app) {
        this.app = app;
        this.status = document.getElementById('status');
        this.calculator = null;
        this.views = new Map(); // by handle
        this.ended = false;
        window.addEventListener('resize', () => this.views.forEach((view) => view.fitToWidth()));
    }

    // Hands a user's action to the core (call gets the calculator), then draws what changed and
    // writes the address; announce: whether screen readers hear what changed. Once the calculator
    // has ended it is let go.
    act(call, announce = true) {
        if (!this.calculator) {
            return;
        }
        call(this.calculator);
        // The focus moves once everything is drawn.
        let focus = null;
        let announcement = null;
        for (const [handle, index, what, value] of JSON.parse(this.calculator.takeChanges())) {
            const view = this.views.get(handle);
            if (what === 'announce') {
                announcement = announce ? value : '';
            } else {
                focus = (view && view.show(index, what, value)) || focus;
            }
        }
        if (focus) {
            focus.focus();
            // A field given the focus is ready to be typed over.
            if (typeof focus.select === 'function') {
                focus.select();
            }
        }
        if (this.ended) {
            this.calculator.delete();
            this.calculator = null;
            return;
        }
        // What screen readers say and the address follow once the page has been drawn: the user
        // sees the pick first.
        clearTimeout(this.addressing);
        this.addressing = setTimeout(() => {
            if (announcement !== null) {
                this.say(announcement);
            }
            if (this.calculator) {
                window.history.replaceState(window.history.state, '',
                    addressOf(this.calculator.selectionWords()));
            }
        });
    }

    // Says text in the page's status region: to screen readers only, or shown for a moment.
    say(text, shown = false) {
        this.status.textContent = text;
        this.status.classList.toggle('shown', shown);
        clearTimeout(this.unsay);
        this.unsay = shown && setTimeout(() => this.say(''), 4000);
    }

    copyLink(font) {
        const link = window.location.href;
        Promise.resolve().then(() => navigator.clipboard.writeText(link)).then(
            () => this.say('Copied the link to the clipboard.', true),
            () => showMessageBox('The link could not be put on the clipboard; copy it from here.',
                COPY_LINK.text, font, () => {}, link));
    }

    // ---- What the core asks of the page --------------------------------------------------------

    measureFont(font, letters) {
        return measureFont(font, letters);
    }

    // The calculator is drawn in the page; a dialog opened over another, over the page, and when
    // it closes the focus goes back to what opened it.
    showDialog(handle, json) {
        const description = JSON.parse(json);
        const main = !description.owner;
        if (main) {
            description.menu.push({ text: '' }, COPY_LINK);
        }
        const view = new DialogView(description, {
            pick: (index, position) => this.act((core) => core.pick(handle, index, position)),
            click: (index) => this.act((core) => core.click(handle, index)),
            edit: (index, text) => this.act((core) => core.edit(handle, index, text)),
            ok: () => this.act((core) => core.ok(handle)),
            sysCommand: (id) => (id === COPY_LINK.id ? this.copyLink(description.font)
                : this.act((core) => core.sysCommand(handle, id))),
        });
        this.views.set(handle, view);
        if (main) {
            document.title = description.title;
            this.app.replaceChildren(view.element);
            view.fitToWidth();
            return;
        }
        const box = make('dialog', 'modal', {}, { 'aria-labelledby': view.titleId });
        box.append(view.element);
        // Escape: the dialog decides, as on its Cancel.
        box.addEventListener('cancel', (event) => {
            event.preventDefault();
            this.act((core) => core.cancel(handle));
        });
        view.opener = document.activeElement;
        document.body.append(box);
        view.fitToWidth();
        box.showModal();
        view.box = box;
    }

    closeDialog(handle) {
        const view = this.views.get(handle);
        this.views.delete(handle);
        if (view.box) {
            view.box.close();
            view.box.remove();
            if (view.opener && view.opener.isConnected) {
                view.opener.focus();
            }
            return;
        }
        // The calculator ended (Exit). A page cannot close itself: say how to open it again.
        const reload = make('a', '',
            { href: window.location.href, textContent: 'Reload the page' });
        showNotice(this.app, 'status', 'The calculator is closed. ', reload, ' to open it again.');
        reload.focus();
        this.ended = true;
    }

    // Shown once the action that opened it is drawn, so that the focus goes back to where that
    // left it. copyText: the text the clipboard did not take, to be copied by hand ("" for none).
    messageBox(owner, text, caption, token, copyText) {
        const font = this.views.get(owner).description.font;
        queueMicrotask(() => showMessageBox(text, caption, font,
            () => this.act((core) => core.messageBoxClosed(token)), copyText));
    }

    canWriteClipboard() {
        return Boolean(navigator.clipboard && navigator.clipboard.writeText);
    }

    // The browser answers later; a refusal goes back to the core, which tells the user.
    writeClipboard(text) {
        Promise.resolve().then(() => navigator.clipboard.writeText(text)).then(
            () => this.say('Copied the report to the clipboard.', true),
            () => this.act((core) => core.clipboardRefused()));
    }
}
