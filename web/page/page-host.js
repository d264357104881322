// The page as the core's window system (see web/WebHost.h): it draws the dialogs and message boxes
// the core opens and writes to the browser's clipboard; the user's actions go back to the core,
// and then the page draws what they changed. None of the functions the core calls calls the core:
// everything the user does is handed over from an event of its own.
import { DialogView } from './dialog-view.js';
import { make, showNotice } from './dom.js';
import { measureFont } from './fonts.js';
import { showMessageBox } from './message-box.js';

export class PageHost {
    // app: the element the calculator is drawn in.
    constructor(app) {
        this.app = app;
        this.calculator = null;
        this.views = new Map(); // by handle
        this.ended = false;
        window.addEventListener('resize', () => this.views.forEach((view) => view.fitToWidth()));
    }

    // Hands a user's action to the core (call gets the calculator), then draws what changed. Once
    // the calculator has ended it is let go.
    act(call) {
        if (!this.calculator) {
            return;
        }
        call(this.calculator);
        // The focus moves once everything is drawn.
        let focus = null;
        for (const [handle, index, what, value] of JSON.parse(this.calculator.takeChanges())) {
            const view = this.views.get(handle);
            focus = (view && view.show(index, what, value)) || focus;
        }
        if (focus) {
            focus.focus();
        }
        if (this.ended) {
            this.calculator.delete();
            this.calculator = null;
        }
    }

    // ---- What the core asks of the page --------------------------------------------------------

    measureFont(font, letters) {
        return measureFont(font, letters);
    }

    // The calculator is drawn in the page; a dialog opened over another, over the page.
    showDialog(handle, json) {
        const description = JSON.parse(json);
        const view = new DialogView(description, {
            pick: (index, position) => this.act((core) => core.pick(handle, index, position)),
            click: (index) => this.act((core) => core.click(handle, index)),
            edit: (index, text) => this.act((core) => core.edit(handle, index, text)),
            ok: () => this.act((core) => core.ok(handle)),
            sysCommand: (id) => this.act((core) => core.sysCommand(handle, id)),
        }, description.owner ? 'h2' : 'h1');
        this.views.set(handle, view);
        if (!description.owner) {
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
            return;
        }
        // The calculator ended (Exit). A page cannot close itself: say how to open it again.
        const reload = make('a', '',
            { href: window.location.href, textContent: 'Reload the page' });
        showNotice(this.app, 'status', 'The calculator is closed. ', reload, ' to open it again.');
        reload.focus();
        this.ended = true;
    }

    messageBox(owner, text, caption, token) {
        showMessageBox(text, caption, this.views.get(owner).description.font,
            () => this.act((core) => core.messageBoxClosed(token)));
    }

    canWriteClipboard() {
        return Boolean(navigator.clipboard && navigator.clipboard.writeText);
    }

    // The browser answers later; a refusal goes back to the core, which tells the user.
    writeClipboard(text) {
        Promise.resolve().then(() => navigator.clipboard.writeText(text))
            .catch(() => this.act((core) => core.clipboardRefused()));
    }
}
