// A dialog's window menu, behind a button in its title bar: the core's items in order, a chosen
// one sent back as a command. Arrow keys move through the items, Escape closes.
import { make, uniqueId } from './dom.js';

function isItem(element) {
    return element !== null && element.getAttribute('role') === 'menuitem';
}

// items: {id, text}, a separator without text; onChoose gets the chosen item's id.
export function buildWindowMenu(items, onChoose) {
    const holder = make('div', 'window-menu');
    const menu = make('div', 'menu', { id: uniqueId('menu'), hidden: true }, { role: 'menu' });
    const button = make('button', 'title-command', { type: 'button', textContent: 'Menu' },
        { 'aria-haspopup': 'menu', 'aria-expanded': 'false', 'aria-controls': menu.id });
    for (const item of items) {
        // A separator at either end of the menu, or after another, separates nothing.
        if (!item.text) {
            if (isItem(menu.lastChild)) {
                menu.append(make('div', 'menu-separator', {}, { role: 'separator' }));
            }
            continue;
        }
        const entry = make('button', 'menu-item',
            { type: 'button', tabIndex: -1, textContent: item.text }, { role: 'menuitem' });
        entry.addEventListener('click', () => {
            close(false);
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
        if (event.key in moves) {
            event.preventDefault();
            all[moves[event.key] % all.length].focus();
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
    holder.append(button, menu);
    return holder;
}
