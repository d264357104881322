// One dialog drawn from the core's description of it (see web/DialogDescription.h): a window
// with a title bar and a client area holding an element for each control, where the core laid
// it out. Controls nest in the group boxes that frame them, in template order, so that the reading
// and tab order is the template's and a narrow screen can let them flow. The view holds no state
// of its own: it shows the changes the core hands it and passes the user's actions to `actions`
// (pick, click, edit, ok, sysCommand), by control index.
import { controlFont } from './fonts.js';
import { make, uniqueId } from './dom.js';
import { buildWindowMenu } from './window-menu.js';

function makeGroupBox() {
    const caption = make('span', 'group-caption', { id: uniqueId('group') });
    const element = make('div', 'group-box', {}, { role: 'group', 'aria-labelledby': caption.id });
    element.append(caption);
    return element;
}

// A static text names the list or field after it, shows a field the dialog writes (named by the
// core as it changes), or is plain text.
function makeStatic(control, isLabel) {
    if (isLabel) {
        return make('label', 'static label');
    }
    return control.label >= 0 ? make('div', 'static field', {}, { role: 'group' })
        : make('div', 'static text');
}

// A table: its rows are chosen with a click, or with Enter on the row the arrow keys moved to.
function makeTable(choose) {
    const table = make('table');
    table.append(make('thead'), make('tbody'));
    table.addEventListener('click', (event) => {
        const row = event.target.closest('tbody tr');
        if (row) {
            choose(row.sectionRowIndex);
        }
    });
    table.addEventListener('keydown', (event) => {
        const rows = table.tBodies[0].rows;
        const at = event.target.sectionRowIndex;
        const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: rows.length - 1,
            PageDown: at + 8, PageUp: at - 8 };
        if (event.key === 'Enter') {
            event.preventDefault();
            choose(at);
        } else if (event.key in moves) {
            event.preventDefault();
            SHOW.selected(table.parentNode, Math.max(0, Math.min(rows.length - 1, moves[event.key])));
            table.querySelector('tbody [tabindex="0"]').focus();
        }
    });
    const element = make('div', 'table');
    element.append(table);
    return element;
}

function makeControl(control, index, isLabel, actions) {
    const on = (element, event, handler) => {
        element.addEventListener(event, handler);
        return element;
    };
    switch (control.kind) {
    case 'groupbox':
        return makeGroupBox();
    case 'combobox':
        return on(make('select', 'list'), 'change',
            (event) => actions.pick(index, event.target.selectedIndex));
    case 'button':
    case 'defbutton':
        return on(make('button', control.kind === 'defbutton' ? 'button default' : 'button',
            { type: 'button' }), 'click', () => actions.click(index));
    case 'edit': {
        const field = on(make('input', 'edit', { type: 'text', spellcheck: false }), 'input',
            () => actions.edit(index, field.value));
        // Enter in a field is the dialog's Enter.
        return on(field, 'keydown', (event) => {
            if (event.key === 'Enter') {
                event.preventDefault();
                actions.ok();
            }
        });
    }
    case 'icon':
        return make('img', 'icon', control.icon ? { alt: '', src: control.icon } : { alt: '' });
    case 'table':
        return makeTable((row) => actions.pick(index, row));
    default:
        return makeStatic(control, isLabel);
    }
}

// How each kind of change shows in a control's element.
const SHOW = {
    text(element, text) {
        if (element.tagName === 'INPUT') {
            if (element.value !== text) {
                element.value = text;
            }
        } else if (!['SELECT', 'IMG'].includes(element.tagName) && !element.querySelector('table')) {
            (element.querySelector('.group-caption') || element).textContent = text;
        }
    },
    // The list keeps its options, given new texts where they differ: laid out again in half the
    // time of new ones.
    entries(element, entries) {
        entries.forEach((entry, at) => {
            if (at >= element.length) {
                element.add(new Option(entry));
            } else if (element.options[at].text !== entry) {
                element.options[at].text = entry;
            }
        });
        element.length = entries.length;
    },
    name: (element, name) => element.setAttribute('aria-label', name),
    // A table's rows (see web/PageView.h): each carries its range, the first column.
    table(element, { columns, rows }) {
        const [head, body] = [element.querySelector('thead'), element.querySelector('tbody')];
        const header = make('tr');
        header.append(...columns.map((title) => make('th', '', { scope: 'col', textContent: title })),
            make('td'));
        head.replaceChildren(header);
        body.replaceChildren(...rows.map(({ cells, bar, current, marked }) => {
            const row = make('tr', `${current ? 'current' : ''} ${marked ? 'marked' : ''}`,
                { tabIndex: -1 }, current ? { 'aria-current': 'true' } : {});
            row.dataset.range = cells[0];
            row.style.setProperty('--bar', `${bar / 100}%`);
            const track = make('td', 'bar-track');
            track.append(make('span', 'bar'));
            row.append(...cells.map((cell) => make('td', '', { textContent: cell })), track);
            return row;
        }));
    },
    // The selected entry of a list, or the row of a table the keyboard is on.
    selected(element, index) {
        if (element.tagName === 'SELECT') {
            element.selectedIndex = index;
            return;
        }
        [...element.querySelectorAll('tbody tr')].forEach((row, at) => {
            row.tabIndex = at === index ? 0 : -1;
        });
    },
    enabled(element, enabled) {
        if ('disabled' in element) {
            element.disabled = !enabled;
        }
        element.classList.toggle('disabled', !enabled);
    },
    visible: (element, visible) => { element.hidden = !visible; },
    toolTip: (element, toolTip) => { element.title = toolTip; },
    colour: (element, colour) => { element.style.color = colour; },
};

export class DialogView {
    constructor(description, actions) {
        this.description = description;
        const { controls, cx, cy } = description;
        // The window is as wide as its client area; a longer title is cut short, as in a title bar.
        const title = make('h2', 'title',
            { id: uniqueId('title'), textContent: description.title, title: description.title });
        const titleBar = make('header', 'title-bar');
        if (description.icon) {
            titleBar.append(make('img', 'title-icon', { src: description.icon, alt: '' }));
        }
        titleBar.append(title);
        if (description.menu.some((item) => item.text)) {
            titleBar.append(buildWindowMenu(description.menu, actions.sysCommand));
        }
        const client = make('div', 'client');
        Object.assign(client.style,
            { font: description.font, width: `${cx}px`, height: `${cy}px` });
        this.element = make('section', 'window', {}, { 'aria-labelledby': title.id });
        this.element.style.width = `${cx + 2}px`;
        this.element.append(titleBar, client);
        this.titleId = title.id;

        const labels = new Set(controls.map((control) => control.label));
        this.elements = controls.map((control, index) => {
            const element = makeControl(control, index, labels.has(index), actions);
            element.className += control.classes;
            element.dataset.controlId = control.id;
            return element;
        });
        controls.forEach((control, index) => this.place(control, this.elements[index], client));
        controls.forEach((control, index) => this.name(index, control.label));
        // The page's own buttons for commands of the window menu, after the controls.
        for (const command of description.buttons) {
            const button = make('button', 'button', { type: 'button', textContent: command.text });
            button.dataset.command = command.command;
            button.addEventListener('click', () => actions.sysCommand(command.command));
            this.place(command, button, client);
        }
    }

    // Puts the element of control where the core laid it out, in the group box that frames it
    // (placed first) or in the client area.
    place(control, element, client) {
        if (element.parentNode) {
            return;
        }
        const { group, x, y, cx, cy, kind } = control;
        const origin = group >= 0 ? this.description.controls[group] : { x: 0, y: 0 };
        Object.assign(element.style, { left: `${x - origin.x}px`, top: `${y - origin.y}px`,
            width: `${cx}px` });
        // A list's height in the template is that of the list dropped down; closed, it is as
        // high as its font needs.
        if (kind !== 'combobox') {
            element.style.height = `${cy}px`;
        }
        if (group >= 0) {
            this.place(this.description.controls[group], this.elements[group], client);
        }
        (group >= 0 ? this.elements[group] : client).append(element);
    }

    // The control at label names the one at index: a label is for a list or an edit field, and
    // labels a table. A field the dialog writes is named by the core.
    name(index, label) {
        const [named, element] = [this.elements[label], this.elements[index]];
        if (!named || named.tagName !== 'LABEL') {
            return;
        }
        if (element.labels) {
            element.id = uniqueId('control');
            named.htmlFor = element.id;
        } else {
            named.id = uniqueId('label');
            element.querySelector('table').setAttribute('aria-labelledby', named.id);
        }
    }

    // Shows one change of the control at index (see web/PageView.h); returns the element that is
    // to have the focus, if that is the change.
    show(index, what, value) {
        const element = this.elements[index];
        if (what === 'focus') {
            return element.querySelector('tbody [tabindex="0"]') || element;
        }
        if (what === 'font') {
            element.style.font = controlFont(value, this.description.pointSize);
        } else {
            SHOW[what](element, value);
        }
        return null;
    }

    // A narrow screen cannot hold the template's layout: the controls then flow down the page.
    fitToWidth() {
        const margins = 2 * 12 + 2;
        this.element.classList.toggle('flow',
            this.description.cx + margins > document.documentElement.clientWidth);
    }
}
