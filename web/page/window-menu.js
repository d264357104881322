// A dialog's window menu, behind a button in its title bar: the items in order, each with its
// mnemonic letter underlined, a chosen one sent back as a command. Arrow keys move through the
// items, a mnemonic letter chooses one, Escape closes. As on the desktop, the context-menu key and
// Shift+F10 open it from anywhere in the page but another dialog.
import { make, uniqueId } from './dom.js';

function isItem(element) {
    return element !== null && element.getAttribute('role') === 'menuitem';
}

// The item's text with its mnemonic letter (at position mnemonic, -1 for none) underlined.
function itemText({ text, mnemonic }) {
    if (mnemonic < 0) {
        return [text];
    }
    return [text.slice(0, mnemonic), make('u', '', { textContent: text[mnemonic] }),
        text.slice(mnemonic + 1)];
}

// items: {id, text, mnemonic}, a separator without text; onChoose gets the chosen item's id;
// label: the text of the button that opens the menu.
export function buildWindowMenu(items, onChoose, label) {
    const holder = make('div', 'window-menu');
    const menu = make('div', 'menu', { id: uniqueId('menu'), hidden: true }, { role: 'menu' });
    const button = make('button', 'title-command', { type: 'button', textContent: label },
        { 'aria-haspopup': 'menu', 'aria-expanded': 'false', 'aria-controls': menu.id });
    for (const item of items) {
        // A separator at either end of the menu, or after another, separates nothing.
        if (!item.text) {
            if (isItem(menu.lastChild)) {
                menu.append(make('div', 'menu-separator', {}, { role: 'separator' }));
            }
            continue;
        }
        const entry = make('button', 'menu-item', { type: 'button', tabIndex: -1 },
            { role: 'menuitem' });
        entry.append(...itemText(item));
        entry.dataset.mnemonic = item.mnemonic < 0 ? '' : item.text[item.mnemonic].toLowerCase();
        entry.addEventListener('click', () => {
            close(true);
            onChoose(item.id);
        });
        menu.append(entry);
    }
    if (menu.lastChild && !isItem(menu.lastChild)) {
        menu.lastChild.remove();
    }
    const entries = () => [...menu.querySelectorAll('[role=menuitem]')];
    const open = (focusLast) => {
        menu.hidden = false;
        button.setAttribute('aria-expanded', 'true');
        const all = entries();
        all[focusLast ? all.length - 1 : 0].focus();
    };
    const close = (returnFocus) => {
        menu.hidden = true;
        button.setAttribute('aria-expanded', 'false');
        if (returnFocus) {
            button.focus();
        }
    };
    button.addEventListener('click', () => (menu.hidden ? open(false) : close(true)));
    button.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            event.preventDefault();
            open(event.key === 'ArrowUp');
        }
    });
    menu.addEventListener('keydown', (event) => {
        const all = entries();
        const at = all.indexOf(document.activeElement);
        const moves = { ArrowDown: at + 1, ArrowUp: at + all.length - 1, Home: 0,
            End: all.length - 1 };
        const marked = all.find((entry) => entry.dataset.mnemonic === event.key.toLowerCase());
        if (event.key in moves) {
            event.preventDefault();
            all[moves[event.key] % all.length].focus();
        } else if (marked) {
            event.preventDefault();
            marked.click();
        } else if (event.key === 'Escape') {
            event.preventDefault();
            close(true);
        } else if (event.key === 'Tab') {
            close(false);
        }
    });
    holder.addEventListener('focusout', (event) => {
        if (!menu.hidden && !holder.contains(event.relatedTarget)) {
            close(false);
        }
    });
    document.addEventListener('keydown', (event) => {
        const menuKey = event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey);
        if (menuKey && holder.isConnected && !event.target.closest('dialog')) {
            event.preventDefault();
            open(false);
        }
    });
    // The browser's own menu, which the same keys may ask for, gives way to this one.
    document.addEventListener('contextmenu', (event) => {
        if (!menu.hidden) {
            event.preventDefault();
        }
    });
    holder.append(button, menu);
    return holder;
}
