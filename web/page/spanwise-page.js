// Spanwise in the browser. The calculator dialog, its rules and its texts are the program's own
// core, compiled to WebAssembly (spanwise.js, spanwise.wasm); this script only draws what the core
// holds. It builds the dialog from its template, lays it out in dialog units converted from the
// page's font as the desktop window does, hands each pick and button press to the core, and then
// redraws the controls the core says have changed. It keeps no state of its own.
'use strict';

(function () {
    const ALPHABET = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
    const app = document.getElementById('app');
    let calculator = null;
    let mainView = null;

    // ---- Dialog units -------------------------------------------------------------------------

    const measuringContext = document.createElement('canvas').getContext('2d');

    // A dialog's base units in font: the average width of the letters and the font's height.
    function baseUnits(font) {
        measuringContext.font = font;
        const metrics = measuringContext.measureText(ALPHABET);
        const height = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
        return { x: mulDiv(Math.round(metrics.width), 1, ALPHABET.length), y: Math.round(height) };
    }

    // a * b / c rounded half away from zero, as dialog units are converted everywhere.
    function mulDiv(a, b, c) {
        const product = a * b;
        const magnitude = Math.floor((Math.abs(product) + Math.floor(Math.abs(c) / 2)) / Math.abs(c));
        return (product < 0) !== (c < 0) ? -magnitude : magnitude;
    }

    function toPixels(item, units) {
        return {
            left: mulDiv(item.x, units.x, 4),
            top: mulDiv(item.y, units.y, 8),
            width: mulDiv(item.cx, units.x, 4),
            height: mulDiv(item.cy, units.y, 8),
        };
    }

    // The CSS font a template asks for: its face first, then the page's stand-ins for it.
    function dialogFont(face, pointSize) {
        return `${pointSize}pt ${fontFamilies(face)}`;
    }

    function fontFamilies(face) {
        const fallback = getComputedStyle(document.documentElement)
            .getPropertyValue('--dialog-font-families').trim();
        return face ? `"${face.replace(/"/g, '')}", ${fallback}` : fallback;
    }

    // A control's own font: its height is that of the character cell, so take the largest size
    // whose cell fits in it.
    function requestedFont(request, dialogFace, pointSize) {
        const families = fontFamilies(request.face || dialogFace);
        const weight = request.weight > 0 ? request.weight : 400;
        if (request.height <= 0) {
            return `${weight} ${pointSize}pt ${families}`;
        }
        let size = request.height;
        for (; size > 1; --size) {
            measuringContext.font = `${weight} ${size}px ${families}`;
            const metrics = measuringContext.measureText(ALPHABET);
            if (metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent <= request.height + 0.01) {
                break;
            }
        }
        return `${weight} ${size}px ${families}`;
    }

    // ---- Drawing a dialog -----------------------------------------------------------------------

    // Static text that does not say otherwise takes '&' as a mnemonic marker: "&&" shows one '&',
    // a lone '&' shows nothing.
    function stripMnemonics(text) {
        return text.replace(/&(.?)/g, '$1');
    }

    function contains(group, item) {
        return item.x >= group.x && item.x + item.cx <= group.x + group.cx &&
            item.y >= group.y && item.y < group.y + group.cy;
    }

    // The group box a control lies in: the smallest that holds its top edge.
    function enclosingGroup(items, item) {
        let found = null;
        for (const candidate of items) {
            if (candidate !== item && candidate.kind === 'groupbox' && contains(candidate, item) &&
                (found === null || candidate.cx * candidate.cy < found.cx * found.cy)) {
                found = candidate;
            }
        }
        return found;
    }

    let nextElementNumber = 0;
    function uniqueId(prefix) {
        nextElementNumber += 1;
        return `${prefix}-${nextElementNumber}`;
    }

    // Builds the window of a dialog from its template and the state of its controls. The
    // controls nest in the group boxes that frame them, in template order, so that the reading
    // and tab order is the template's and a narrow screen can let them flow. Returns the view:
    // its element and one entry per control, in template order.
    function buildView(dialog, actions) {
        const tmpl = dialog.template;
        const font = dialogFont(tmpl.fontFace, tmpl.fontPointSize);

        const windowElement = document.createElement('section');
        windowElement.className = 'window';
        const titleBar = document.createElement('header');
        titleBar.className = 'title-bar';
        if (dialog.icon) {
            const icon = document.createElement('img');
            icon.src = dialog.icon;
            icon.alt = '';
            icon.className = 'title-icon';
            titleBar.append(icon);
        }
        const title = document.createElement(actions.titleTag || 'h2');
        title.className = 'title';
        title.id = uniqueId('title');
        title.textContent = tmpl.title;
        titleBar.append(title);
        windowElement.setAttribute('aria-labelledby', title.id);
        windowElement.append(titleBar);
        if (actions.menu && actions.menu.some((item) => !item.separator)) {
            titleBar.append(buildWindowMenu(actions.menu, actions.onMenu));
        }

        const client = document.createElement('div');
        client.className = 'client';
        client.style.font = font;
        windowElement.append(client);

        const units = baseUnits(font);
        const size = toPixels({ x: 0, y: 0, cx: tmpl.cx, cy: tmpl.cy }, units);
        client.style.width = `${size.width}px`;
        client.style.height = `${size.height}px`;
        // The window is as wide as its client area; a longer title is cut short, as in a title bar.
        windowElement.style.width = `${size.width + 2}px`;
        title.title = tmpl.title;

        const items = tmpl.items;
        const controls = [];
        const groupElements = new Map();
        const placeIn = (item, element) => {
            const group = enclosingGroup(items, item);
            const parent = group ? groupElement(group) : client;
            const origin = group ? toPixels(group, units) : { left: 0, top: 0 };
            const rect = toPixels(item, units);
            element.style.left = `${rect.left - origin.left}px`;
            element.style.top = `${rect.top - origin.top}px`;
            // An icon takes the size of its image. The height of a list in the template is that
            // of the list dropped down; closed, it is as high as its font needs.
            if (item.kind !== 'icon') {
                element.style.width = `${rect.width}px`;
            }
            if (item.kind !== 'icon' && item.kind !== 'combobox') {
                element.style.height = `${rect.height}px`;
            }
            parent.append(element);
        };
        const groupElement = (item) => {
            let element = groupElements.get(item);
            if (!element) {
                element = document.createElement('div');
                element.className = 'group-box';
                element.setAttribute('role', 'group');
                element.dataset.controlId = item.id;
                const caption = document.createElement('span');
                caption.className = 'group-caption';
                caption.id = uniqueId('group');
                element.setAttribute('aria-labelledby', caption.id);
                element.append(caption);
                groupElements.set(item, element);
                placeIn(item, element);
            }
            return element;
        };

        items.forEach((item, index) => {
            let element;
            switch (item.kind) {
            case 'groupbox':
                element = groupElement(item);
                break;
            case 'combobox': {
                element = document.createElement('select');
                element.className = 'list';
                element.id = uniqueId('list');
                element.addEventListener('change', () => actions.onPick(index, element));
                break;
            }
            case 'button':
            case 'defbutton':
                element = document.createElement('button');
                element.type = 'button';
                element.className = item.kind === 'defbutton' ? 'button default' : 'button';
                element.addEventListener('click', () => actions.onClick(index, element));
                break;
            case 'edit':
                element = document.createElement('input');
                element.type = 'text';
                element.className = item.style.sunken ? 'edit sunken' : 'edit';
                element.id = uniqueId('edit');
                element.spellcheck = false;
                element.addEventListener('input', () => actions.onEdit(index, element));
                break;
            case 'icon':
                element = document.createElement('img');
                element.className = 'icon';
                element.alt = '';
                if (item.icon) {
                    element.src = item.icon;
                }
                break;
            default: {
                const next = items[index + 1];
                if (next && (next.kind === 'combobox' || next.kind === 'edit')) {
                    // A caption right before a list or a field in tab order names it.
                    element = document.createElement('label');
                    element.className = 'static label';
                } else if (item.caption === '') {
                    // A field the dialog writes as it runs: the results, read out as they change.
                    element = document.createElement('div');
                    element.className = 'static field';
                    element.setAttribute('role', 'status');
                } else {
                    element = document.createElement('div');
                    element.className = 'static text';
                }
                const style = item.style;
                if (style.center) {
                    element.classList.add('align-center');
                } else if (style.right) {
                    element.classList.add('align-right');
                }
                if (style.middle) {
                    element.classList.add('middle');
                }
                if (style.sunken) {
                    element.classList.add('sunken');
                }
            }
            }
            element.dataset.controlId = item.id;
            if (item.kind !== 'groupbox') {
                placeIn(item, element);
            }
            controls.push({ item, element });
        });

        // Labels name the list that follows them; a group box holding a field names it too.
        controls.forEach((control, index) => {
            if (control.element.tagName === 'LABEL') {
                control.element.htmlFor = controls[index + 1].element.id;
            }
            if (control.element.getAttribute('role') === 'status') {
                const group = enclosingGroup(items, control.item);
                if (group) {
                    control.element.setAttribute('aria-labelledby',
                        groupElements.get(group).firstChild.id);
                }
            }
        });

        const view = { element: windowElement, client, controls, template: tmpl, size };
        dialog.controls.forEach((state, index) => applyState(view, index, state, null));
        return view;
    }

    // The dialog's window menu, behind a button in its title bar: the menu's items in order, a
    // chosen one sent back as a command. Arrow keys move through the items, Escape closes.
    function buildWindowMenu(items, onChoose) {
        const holder = document.createElement('div');
        holder.className = 'window-menu';
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'title-command';
        button.textContent = 'Menu';
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-expanded', 'false');
        const menu = document.createElement('div');
        menu.className = 'menu';
        menu.id = uniqueId('menu');
        menu.setAttribute('role', 'menu');
        menu.hidden = true;
        button.setAttribute('aria-controls', menu.id);
        for (const item of items) {
            if (item.separator) {
                // A separator at either end of the menu separates nothing.
                if (menu.lastChild && menu.lastChild.getAttribute('role') === 'menuitem') {
                    const line = document.createElement('div');
                    line.className = 'menu-separator';
                    line.setAttribute('role', 'separator');
                    menu.append(line);
                }
                continue;
            }
            const entry = document.createElement('button');
            entry.type = 'button';
            entry.className = 'menu-item';
            entry.setAttribute('role', 'menuitem');
            entry.tabIndex = -1;
            entry.textContent = stripMnemonics(item.text);
            entry.addEventListener('click', () => {
                close(false);
                onChoose(item.id);
            });
            menu.append(entry);
        }
        if (menu.lastChild && menu.lastChild.getAttribute('role') === 'separator') {
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
            if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
                event.preventDefault();
                const step = event.key === 'ArrowDown' ? 1 : all.length - 1;
                all[(at + step) % all.length].focus();
            } else if (event.key === 'Home' || event.key === 'End') {
                event.preventDefault();
                all[event.key === 'Home' ? 0 : all.length - 1].focus();
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

    // Shows in control index's element what the core holds for it. changes, when given, names
    // what changed; otherwise everything is drawn.
    function applyState(view, index, state, changes) {
        const { item, element } = view.controls[index];
        const changed = (what) => changes === null || changes.includes(what);

        if (changed('text')) {
            if (item.kind === 'groupbox') {
                element.firstChild.textContent = state.text;
            } else if (item.kind === 'static') {
                element.textContent = item.style.noPrefix ? state.text : stripMnemonics(state.text);
            } else if (item.kind === 'button' || item.kind === 'defbutton') {
                element.textContent = stripMnemonics(state.text);
            } else if (item.kind === 'edit' && element.value !== state.text) {
                element.value = state.text;
            }
        }
        if (changed('entries') && item.kind === 'combobox') {
            element.replaceChildren(...state.entries.map((entry) => new Option(entry)));
            element.selectedIndex = state.selected;
        } else if (changed('selection') && item.kind === 'combobox') {
            element.selectedIndex = state.selected;
        }
        if (changed('enabled')) {
            if ('disabled' in element) {
                element.disabled = !state.enabled;
            }
            element.classList.toggle('disabled', !state.enabled);
        }
        if (changed('visible')) {
            element.hidden = !state.visible;
        }
        if (changed('font') && state.font) {
            element.style.font = requestedFont(state.font, view.template.fontFace,
                view.template.fontPointSize);
        }
        if (changed('toolTip')) {
            if (state.toolTip) {
                element.title = state.toolTip;
            } else {
                element.removeAttribute('title');
            }
        }
        // The dialog may colour a control whenever it changes.
        element.style.color = state.textColour;
    }

    // A narrow screen cannot hold the template's layout: the controls then flow down the page.
    function fitToWidth(view) {
        const available = document.documentElement.clientWidth;
        const margins = 2 * 12 + 2;
        view.element.classList.toggle('flow', view.size.width + margins > available);
    }

    // ---- The calculator -------------------------------------------------------------------------

    function drawChanges() {
        for (const state of calculator.takeChanges()) {
            applyState(mainView, state.index, state, state.changes);
        }
    }

    function openCalculator(module) {
        calculator = new module.Calculator(host, Boolean(navigator.clipboard &&
            navigator.clipboard.writeText));
        const dialog = calculator.dialog();
        document.title = dialog.template.title;
        mainView = buildView(dialog, {
            titleTag: 'h1',
            menu: calculator.systemMenu(),
            onMenu: (id) => {
                calculator.sysCommand(id);
                drawChanges();
            },
            onPick: (index, select) => {
                const id = mainView.controls[index].item.id;
                if (!calculator.pick(id, select.selectedIndex)) {
                    // The core did not take the pick: show its selection again.
                    select.selectedIndex = calculator.control(index).selected;
                }
                drawChanges();
            },
            onEdit: (index, input) => {
                calculator.edit(mainView.controls[index].item.id, input.value);
                drawChanges();
            },
            onClick: (index) => {
                calculator.click(mainView.controls[index].item.id);
                if (mainView) {
                    drawChanges();
                } else {
                    // The press ended the calculator; it is let go once its call has returned.
                    calculator.delete();
                    calculator = null;
                }
            },
        });
        app.replaceChildren(mainView.element);
        fitToWidth(mainView);
        window.addEventListener('resize', () => mainView && fitToWidth(mainView));
        app.setAttribute('aria-busy', 'false');
        performance.mark('spanwise-first-results');

        // The dialog opens with the focus on its first tab stop.
        const first = mainView.controls.find((control) => control.item.style.tabStop &&
            !control.element.disabled);
        if (first) {
            first.element.focus();
        }
    }

    // What the core asks of the page, as of a window system.
    const host = {
        // A dialog the calculator opened (the About box, Fit a Recording Time), drawn over the
        // page. The core does not wait for it: the user's answer, the texts typed and the button
        // pressed, goes back to the core when the dialog is closed.
        showDialog(dialog) {
            const box = document.createElement('dialog');
            box.className = 'modal';
            let answer = null;
            const view = buildView(dialog, {
                onPick: () => {},
                onEdit: () => {},
                onClick: (index) => {
                    answer = view.controls[index].item.id;
                    box.close();
                },
            });
            box.setAttribute('aria-labelledby', view.element.getAttribute('aria-labelledby'));
            box.append(view.element);
            const defaultButton = view.controls.find((control) => control.item.kind === 'defbutton');
            // Enter in a field presses the default button, as in any dialog.
            box.addEventListener('keydown', (event) => {
                if (event.key === 'Enter' && event.target.tagName === 'INPUT' && defaultButton) {
                    event.preventDefault();
                    defaultButton.element.click();
                }
            });
            box.addEventListener('close', () => {
                const edits = view.controls.filter((control) => control.item.kind === 'edit')
                    .map((control) => [control.item.id, control.element.value]);
                box.remove();
                if (mainView) {
                    // Escape or the close box: no button, as the window's Cancel.
                    calculator.answerDialog(edits, answer === null ? 0 : answer);
                    drawChanges();
                }
            });
            document.body.append(box);
            fitToWidth(view);
            box.showModal();
            const first = view.controls.find((control) => control.item.style.tabStop &&
                !control.element.disabled);
            if (first) {
                first.element.focus();
            }
        },

        messageBox(text, caption) {
            const box = document.createElement('dialog');
            box.className = 'modal message-box';
            box.setAttribute('role', 'alertdialog');
            const heading = document.createElement('h2');
            heading.className = 'title-bar title';
            heading.id = uniqueId('message-caption');
            heading.textContent = caption;
            const message = document.createElement('p');
            message.className = 'message';
            message.id = uniqueId('message-text');
            message.textContent = text;
            const ok = document.createElement('button');
            ok.type = 'button';
            ok.className = 'button default';
            ok.textContent = 'OK';
            ok.addEventListener('click', () => box.close());
            const buttons = document.createElement('div');
            buttons.className = 'message-buttons';
            buttons.append(ok);
            box.setAttribute('aria-labelledby', heading.id);
            box.setAttribute('aria-describedby', message.id);
            box.append(heading, message, buttons);
            const returnFocus = document.activeElement;
            box.addEventListener('close', () => {
                box.remove();
                if (returnFocus && returnFocus.isConnected) {
                    returnFocus.focus();
                }
            });
            document.body.append(box);
            box.showModal();
            ok.focus();
        },

        // The calculator ended (Exit). A page cannot close itself: say how to open it again.
        dialogEnded() {
            const line = document.createElement('p');
            line.className = 'ended';
            line.setAttribute('role', 'status');
            const reload = document.createElement('a');
            reload.href = window.location.href;
            reload.textContent = 'Reload the page';
            line.append('The calculator is closed. ', reload, ' to open it again.');
            app.replaceChildren(line);
            mainView = null;
            reload.focus();
        },

        // The core has put the report on the clipboard; the browser answers later, and a refusal
        // goes back to the core, which tells the user.
        writeClipboard(text) {
            const refused = () => {
                if (mainView) {
                    calculator.clipboardRefused('set');
                    drawChanges();
                }
            };
            try {
                navigator.clipboard.writeText(text).then(() => {}, refused);
            } catch (error) {
                refused();
            }
        },
    };

    function showLoadError(error) {
        const line = document.createElement('p');
        line.className = 'ended';
        line.setAttribute('role', 'alert');
        line.textContent = `The calculator could not be loaded: ${error && error.message ? error.message : error}`;
        app.replaceChildren(line);
        app.setAttribute('aria-busy', 'false');
    }

    if (typeof createSpanwise !== 'function' || typeof WebAssembly !== 'object') {
        showLoadError('this browser runs no WebAssembly, or spanwise.js is missing');
        return;
    }
    createSpanwise({
        // The core as index.html has compiled it; from its bytes when that failed (a server that
        // does not send .wasm files as application/wasm).
        instantiateWasm(imports, receiveInstance) {
            const fromBytes = () => fetch('spanwise.wasm').then((response) => {
                if (!response.ok) {
                    throw new Error(`spanwise.wasm: ${response.status} ${response.statusText}`);
                }
                return response.arrayBuffer();
            }).then((bytes) => WebAssembly.compile(bytes));
            const compiled = window.spanwiseCore ? window.spanwiseCore.catch(fromBytes) : fromBytes();
            compiled.then((module) => WebAssembly.instantiate(module, imports)
                .then((instance) => receiveInstance(instance, module)))
                .catch(showLoadError);
            return {};
        },
    }).then(openCalculator, showLoadError);
}());
