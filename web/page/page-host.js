// The page as the core's window system (see web/WebHost.h): it draws the dialogs and message boxes
// the core opens and writes to the browser's clipboard; the user's actions go back to the core,
// and then the page draws what they changed. None of the functions the core calls calls the core:
// everything the user does is handed over from an event of its own. The page's address holds the
// picks that reopen what the calculator shows.
import { DialogView } from './dialog-view.js';
import { make, measureFont, showNotice } from './dom.js';
import { showMessageBox } from './message-box.js';

// The window menu's item of the page's own, after the core's: the address, picks and all, to the
// clipboard.
const COPY_LINK_ID = 0;

// The address with the picks in its query, each LIST=VALUE as it reads ('/' and '+' left as they
// are: the page reads a '+' as itself), then lang=language unless that is ''.
function addressOf(words, language) {
    const address = new URL(window.location.href);
    address.search = [...words, ...language ? [`lang=${language}`] : []].map((word) => {
        const at = word.indexOf('=');
        return `${encodeURIComponent(word.slice(0, at))}=${
            encodeURIComponent(word.slice(at + 1)).replaceAll('%2F', '/').replaceAll('%2B', '+')}`;
    }).join('&');
    return address.href;
}

// How long a confirmation stays shown unless the user does something else first.
const CONFIRMATION_MS = 8000;

export class PageHost {
    // app: the element the calculator is drawn in; texts: the page's own texts, from the core
    // (see CWebCalculator::GetPageTexts); language: the lang= the address keeps ('' for none).
    constructor(app, texts, language) {
        this.app = app;
        this.texts = texts;
        this.language = language;
        this.copyLinkItem = { id: COPY_LINK_ID, ...texts.copyLink };
        this.status = document.getElementById('status');
        this.calculator = null;
        this.views = new Map(); // by handle
        this.unfitted = []; // views drawn for the first time in this action
        this.ended = false;
        window.addEventListener('resize', () => this.views.forEach((view) => view.fitToWidth()));
        // A confirmation shows beside what the user last pressed, and goes with their next action.
        const touched = (event) => {
            this.touched = event.target;
            if (this.status.classList.contains('shown')) {
                this.say('');
            }
        };
        document.addEventListener('pointerdown', touched, true);
        document.addEventListener('keydown', touched, true);
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
        // A dialog just drawn is laid out again where a text does not fit its box.
        for (const view of this.unfitted.splice(0)) {
            if (this.views.get(view.handle) === view && !this.ended) {
                view.fitText((extents) => this.calculator.fitText(view.handle, extents));
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
            // Only a changed address is written: browsers stop taking new ones after a few hundred
            // in a short time, and fast arrow-key picks would then leave an old one standing.
            const address = this.calculator
                && addressOf(this.calculator.selectionWords(), this.language);
            if (address && address !== window.location.href) {
                window.history.replaceState(window.history.state, '', address);
            }
        });
    }

    // Says text in the page's status region: to screen readers only, or also shown, where the
    // user is looking: beside what they pressed (in the viewport whatever its size), until they
    // do something else.
    say(text, shown = false) {
        this.status.textContent = text;
        this.status.classList.toggle('shown', shown);
        clearTimeout(this.unsay);
        if (shown) {
            this.placeConfirmation();
            this.unsay = setTimeout(() => this.say(''), CONFIRMATION_MS);
        }
    }

    placeConfirmation() {
        const status = this.status;
        const margin = 8;
        const [width, height] = [document.documentElement.clientWidth, window.innerHeight];
        const shownElement = [this.touched, document.activeElement].find((element) => element
            && element.isConnected && element !== document.body && element.getClientRects().length);
        const anchor = shownElement ? shownElement.getBoundingClientRect()
            : { left: 0, right: width, top: height, bottom: height };
        status.style.maxWidth = `${width - 2 * margin}px`;
        const box = status.getBoundingClientRect();
        const below = anchor.bottom + margin;
        const top = Math.min(Math.max(margin, below + box.height <= height - margin ? below
            : anchor.top - margin - box.height), height - margin - box.height);
        const centre = (anchor.left + anchor.right) / 2;
        const left = Math.min(Math.max(margin, centre - box.width / 2), width - margin - box.width);
        Object.assign(status.style, { left: `${left}px`, top: `${top}px` });
    }

    copyLink(font) {
        const link = window.location.href;
        Promise.resolve().then(() => navigator.clipboard.writeText(link)).then(
            () => this.say(this.texts.linkCopied, true),
            () => showMessageBox(this.texts.linkNotCopied, this.copyLinkItem.text, font,
                this.texts.ok, () => {}, link));
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
            description.menu.push({ text: '' }, this.copyLinkItem);
        }
        const view = new DialogView(description, this.texts, {
            pick: (index, position) => this.act((core) => core.pick(handle, index, position)),
            click: (index) => this.act((core) => core.click(handle, index)),
            edit: (index, text) => this.act((core) => core.edit(handle, index, text)),
            ok: () => this.act((core) => core.ok(handle)),
            sysCommand: (id) => (main && id === COPY_LINK_ID ? this.copyLink(description.font)
                : this.act((core) => core.sysCommand(handle, id))),
        });
        view.handle = handle;
        this.views.set(handle, view);
        this.unfitted.push(view);
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
            { href: window.location.href, textContent: this.texts.reload });
        const [before, after] = this.texts.closed.split('%1');
        showNotice(this.app, 'status', before, reload, after);
        reload.focus();
        this.ended = true;
    }

    // Shown once the action that opened it is drawn, so that the focus goes back to where that
    // left it. copyText: the text the clipboard did not take, to be copied by hand ("" for none).
    messageBox(owner, text, caption, token, copyText) {
        const font = this.views.get(owner).description.font;
        queueMicrotask(() => showMessageBox(text, caption, font, this.texts.ok,
            () => this.act((core) => core.messageBoxClosed(token)), copyText));
    }

    canWriteClipboard() {
        return Boolean(navigator.clipboard && navigator.clipboard.writeText);
    }

    // The browser answers later; a refusal goes back to the core, which tells the user.
    writeClipboard(text) {
        Promise.resolve().then(() => navigator.clipboard.writeText(text)).then(
            () => this.say(this.texts.reportCopied, true),
            () => this.act((core) => core.clipboardRefused()));
    }
}
