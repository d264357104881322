// One dialog drawn from the core's description of it (see web/DialogDescription.h): a window
// with a title bar and a client area holding an element for each control, where the core laid
// it out. Controls nest in the group boxes that frame them, in template order, so that the reading
// and tab order is the template's and a narrow screen can let them flow. The view holds no state
// of its own: it shows the changes the core hands it and passes the user's actions to `actions`
// (pick, click, edit, ok, sysCommand), by control index.
import { controlFont, make, uniqueId } from './dom.js';
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

// A table: its rows are chosen with a click, or with Enter on the row the arrow keys moved to. Its
// parts carry their roles, which a narrow screen's layout of them would otherwise take away.
function makeTable(choose) {
    const table = make('table', '', {}, { role: 'table' });
    table.append(make('thead', '', {}, { role: 'rowgroup' }),
        make('tbody', '', {}, { role: 'rowgroup' }));
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

// A cell's text, which may wrap between the units of a duration ("35555d|13h|20min") where a
// narrow screen leaves it no room on one line.
function breakable(text) {
    return text.split(/(?<=[a-z])(?=\d)/)
        .flatMap((piece, at) => (at ? [make('wbr'), piece] : [piece]));
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
    // A table's rows (see web/PageView.h): each carries its range, the first column; a marked
    // row's check mark says so. The column of bars has a title only screen readers read.
    table(element, { columns, rows }) {
        const [head, body] = [element.querySelector('thead'), element.querySelector('tbody')];
        const header = make('tr', '', {}, { role: 'row' });
        const title = (text) => make('th', '', { scope: 'col', textContent: text },
            { role: 'columnheader' });
        const bars = title('');
        bars.append(make('span', 'visually-hidden', { textContent: element.dataset.bars }));
        header.append(...columns.map(title), bars);
        head.replaceChildren(header);
        body.replaceChildren(...rows.map(({ cells, bar, current, marked }) => {
            const classes = [current && 'current', marked && 'marked'].filter(Boolean).join(' ');
            const row = make('tr', classes, { tabIndex: -1 },
                { role: 'row', ...current && { 'aria-current': 'true' } });
            row.dataset.range = cells[0];
            row.style.setProperty('--bar', `${bar / 100}%`);
            const track = make('td', 'bar-track', {}, { role: 'cell' });
            track.append(make('span', 'bar'));
            row.append(...cells.map((cell, at) => {
                const shown = make('td', '', {}, { role: 'cell' });
                shown.append(...breakable(cell));
                if (marked && at === 0) {
                    shown.dataset.mark = element.dataset.mark;
                }
                return shown;
            }), track);
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
    // texts: the page's own texts (see CWebCalculator::GetPageTexts).
    constructor(description, texts, actions) {
        this.description = description;
        const { controls } = description;
        // The window is as wide as its client area; a longer title wraps.
        const title = make('h2', 'title',
            { id: uniqueId('title'), textContent: description.title, title: description.title });
        const titleBar = make('header', 'title-bar');
        if (description.icon) {
            titleBar.append(make('img', 'title-icon', { src: description.icon, alt: '' }));
        }
        titleBar.append(title);
        if (description.menu.some((item) => item.text)) {
            titleBar.append(buildWindowMenu(description.menu, actions.sysCommand, texts.menu));
        }
        this.client = make('div', 'client');
        this.client.style.font = description.font;
        this.element = make('section', 'window', {}, { 'aria-labelledby': title.id });
        this.element.append(titleBar, this.client);
        this.titleId = title.id;

        const labels = new Set(controls.map((control) => control.label));
        this.elements = controls.map((control, index) => {
            const element = makeControl(control, index, labels.has(index), actions);
            element.className += control.classes;
            element.dataset.controlId = control.id;
            if (control.kind === 'table') {
                element.dataset.mark = texts.marked;
                element.dataset.bars = texts.bars;
            }
            return element;
        });
        controls.forEach((control, index) => this.place(control, this.elements[index]));
        controls.forEach((control, index) => this.name(index, control.label));
        // The page's own buttons for commands of the window menu, after the controls.
        this.buttons = description.buttons.map((command) => {
            const button = make('button', 'button', { type: 'button', textContent: command.text });
            button.dataset.command = command.command;
            button.addEventListener('click', () => actions.sysCommand(command.command));
            this.place(command, button);
            return button;
        });
        this.position();
    }

    // Puts the element of control in the group box that frames it (placed first) or in the
    // client area.
    place(control, element) {
        if (element.parentNode) {
            return;
        }
        const { group } = control;
        if (group >= 0) {
            this.place(this.description.controls[group], this.elements[group]);
        }
        (group >= 0 ? this.elements[group] : this.client).append(element);
    }

    // Sets the window's size and every element's box where the core laid them out.
    position() {
        const { cx, cy, controls, buttons } = this.description;
        Object.assign(this.client.style, { width: `${cx}px`, height: `${cy}px` });
        this.element.style.width = `${cx + 2}px`;
        const setBox = (control, element) => {
            const { group, x, y, kind } = control;
            const origin = group >= 0 ? controls[group] : { x: 0, y: 0 };
            Object.assign(element.style, { left: `${x - origin.x}px`, top: `${y - origin.y}px`,
                width: `${control.cx}px` });
            // A list's height in the template is that of the list dropped down; closed, it is as
            // high as its font needs.
            if (kind !== 'combobox') {
                element.style.height = `${control.cy}px`;
            }
            // A text whose box holds one line stays on one line.
            element.classList.toggle('one-line', kind === 'static' && control.lines <= 1);
        };
        controls.forEach((control, index) => setBox(control, this.elements[index]));
        buttons.forEach((command, index) => setBox(command, this.buttons[index]));
    }

    // Once the dialog is drawn, how much room its texts take, each as it would be drawn alone in
    // the dialog's font (see ctl::CTextExtent), [[index, width, height], ...]; fit(extents) gives
    // the dialog laid out anew where they need more room than they have (see
    // CWebCalculator::FitText), which it is then.
    fitText(fit) {
        const measuring = make('div', 'client measuring', {}, { 'aria-hidden': 'true' });
        measuring.style.font = this.description.font;
        const probes = [];
        this.description.controls.forEach((control, index) => {
            const element = this.elements[index];
            const source = control.kind === 'groupbox' ? element.querySelector('.group-caption')
                : element;
            if (['edit', 'icon'].includes(control.kind) || !source.textContent && !source.length) {
                return;
            }
            const probe = source.cloneNode(true);
            probe.hidden = false;
            probe.removeAttribute('id');
            probe.querySelectorAll('[id]').forEach((inner) => inner.removeAttribute('id'));
            const wraps = control.kind === 'static' && control.lines > 1;
            const width = control.kind === 'combobox' ? 'auto'
                : wraps ? `${control.cx}px` : 'max-content';
            Object.assign(probe.style, { left: '0', top: '0', height: 'auto', minWidth: '0', width });
            // A group box's caption stands in from its left edge and leaves as much to its right.
            const inset = control.kind === 'groupbox'
                ? 2 * (parseFloat(getComputedStyle(source).left) || 0) : 0;
            probes.push([index, probe, wraps, inset, control.kind === 'table']);
            measuring.append(probe);
        });
        document.body.append(measuring);
        // A table scrolls its rows: only its columns' width counts. A text that wraps needs its
        // box's width for its widest piece between two places a line may break.
        const extents = probes.map(([index, probe, wraps, inset, scrolls]) => {
            const { height } = probe.getBoundingClientRect();
            if (wraps) {
                probe.style.width = 'min-content';
            }
            const { width } = probe.getBoundingClientRect();
            return [index, Math.ceil(width + inset), inset || scrolls ? 0 : Math.ceil(height)];
        });
        measuring.remove();
        const layout = fit(extents);
        if (!layout) {
            return;
        }
        const { cx, cy, controls, buttons } = JSON.parse(layout);
        Object.assign(this.description, { cx, cy });
        controls.forEach((place, index) => Object.assign(this.description.controls[index], place));
        buttons.forEach((place, index) => Object.assign(this.description.buttons[index], place));
        this.position();
        this.fitToWidth();
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
