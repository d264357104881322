"""The calculator page in headless Chromium, checked against spanwise-cli.

Usage: page_test.py --site DIR --cli SPANWISE_CLI --axe AXE_MIN_JS
                    [unittest arguments, e.g. PageTest.test_copy]

In each state the tests reach that a user meets (opening, the menu open, About, Fit a Recording
Time, a message box, REC, a phone's width, after Exit, the Ranges view), axe-core checks the page
and must find nothing.

Exits with 77 (skipped) when DIR holds no built page (build it with `cmake --build --preset web`)
or when Chromium, its WebDriver or selenium is missing (scripts/install-deps web installs them).
"""

import argparse
import contextlib
import os
import subprocess
import sys
import time
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import scenarios  # noqa: E402

if browser.webdriver is not None:
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.support.ui import WebDriverWait

SITE = None
CLI = None
AXE = None  # axe-core's script

# The page against spanwise-cli: walks of picks from the opening, the page compared after each.
WALK_COUNT, WALK_LENGTH = 10, 30
COPY, EXIT = 1012, 1
RANGES = 48  # the window menu's command, which the page's button beside the range list sends
RECORDING_LENGTH, SAMPLING_PERIOD, RECORDING_TIME = 1006, 1009, 1007

# What the page shows, in the shape of spanwise-cli's state (without the report).
READ_PAGE = """
const control = (id) => document.querySelector(`#app [data-control-id="${id}"]`);
const lists = {};
for (const [name, id] of Object.entries(arguments[0])) {
    const select = control(id);
    lists[name] = {
        entries: [...select.options].map((option) => option.textContent),
        selected: select.selectedIndex,
        enabled: !select.disabled,
    };
}
const period = control(arguments[2]);
return {
    lists,
    recording_length: control(arguments[1]).textContent,
    sampling_period: period.textContent,
    sampling_period_visible: period.getClientRects().length > 0,
    recording_time: control(arguments[3]).textContent,
};
"""

# A list by its control id: whether it is enabled, its entries' texts and its option elements.
FIND_LIST = """
const select = document.querySelector(`#app select[data-control-id="${arguments[0]}"]`);
return [!select.disabled, [...select.options].map((o) => o.textContent), [...select.options]];
"""

READ_CLIPBOARD = """
const done = arguments[arguments.length - 1];
navigator.clipboard.readText().then(done, (error) => done('refused: ' + error));
"""

# Every violation of the page's Content-Security-Policy, recorded from the start of each page.
RECORD_VIOLATIONS = """
window.spanwiseViolations = [];
document.addEventListener('securitypolicyviolation', (event) => window.spanwiseViolations.push(
    `${event.violatedDirective}: ${event.blockedURI} ${event.sourceFile}:${event.lineNumber}`));
"""

OPEN_MESSAGE_BOX = """
const box = document.querySelector('dialog.message-box[open]');
return box && {
    caption: box.querySelector('h2').textContent,
    text: box.querySelector('.message').textContent,
    buttons: [...box.querySelectorAll('button')].map((button) => button.textContent),
};
"""

# axe-core's findings on the page as it is: "rule: elements" for each violation.
RUN_AXE = """
const done = arguments[arguments.length - 1];
axe.run(document).then(
    (result) => done(result.violations.map((violation) => `${violation.id}: ${
        violation.nodes.map((node) => node.target.join(' ')).join(', ')}`)),
    (error) => done([`axe-core failed: ${error}`]));
"""

# The Ranges view's rows: [range (data-range), its cells' texts..., marked as the current range].
READ_RANGES = """
return [...document.querySelectorAll('dialog[open] tbody tr')].map((row) => [
    row.dataset.range, ...[...row.cells].slice(0, 3).map((cell) => cell.textContent),
    row.getAttribute('aria-current') === 'true']);
"""

# What a person would find wrong with the page as drawn now, in the calculator, every box open over
# it and a confirmation shown: a text outside the box that holds it (or scrolled sideways out of
# sight), a list whose widest entry it cannot show, controls over one another, a target smaller
# than 24 x 24 pixels, a page wider than its viewport, a bar that does not show.
FIND_FAULTS = """
const faults = [];
const slack = 0.5;
const name = (e) => (e.dataset.controlId ? `control ${e.dataset.controlId}`
    : e.dataset.command ? `command ${e.dataset.command}`
    : `${e.tagName.toLowerCase()}.${e.className}`);
const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
const root = document.documentElement;
if (root.scrollWidth > root.clientWidth) {
    faults.push(`the page is ${root.scrollWidth} px wide in ${root.clientWidth}`);
}
for (const scope of document.querySelectorAll('#app > .window, dialog[open], #status.shown')) {
    const texts = document.createTreeWalker(scope, NodeFilter.SHOW_TEXT);
    for (let node = texts.nextNode(); node; node = texts.nextNode()) {
        const parent = node.parentElement;
        if (!node.textContent.trim() || !shown(parent)
                || parent.closest('select, .visually-hidden')) {
            continue;
        }
        const range = document.createRange();
        range.selectNodeContents(node);
        for (const rect of [...range.getClientRects()].filter((r) => r.width > 0)) {
            for (let box = parent; box !== scope.parentElement; box = box.parentElement) {
                const style = getComputedStyle(box);
                if (style.display === 'inline' || style.display === 'contents') {
                    continue;
                }
                const b = box.getBoundingClientRect();
                const scrolls = ['auto', 'scroll'].includes(style.overflowY);
                if (rect.left < b.left - slack || rect.right > b.right + slack || (!scrolls
                        && (rect.top < b.top - slack || rect.bottom > b.bottom + slack))) {
                    faults.push(`"${node.textContent.trim()}" leaves ${name(box)}`);
                    break;
                }
                if (scrolls && (rect.bottom <= b.top || rect.top >= b.bottom)) {
                    break; // scrolled out of sight, up or down
                }
                if (box.getAttribute('role') === 'menu') {
                    if (b.left < 0 || b.right > root.clientWidth) {
                        faults.push(`the menu leaves the page`);
                    }
                    break; // it opens over the page, out of its button's box
                }
            }
        }
    }
    for (const list of [...scope.querySelectorAll('select')].filter(shown)) {
        const widest = list.cloneNode(true);
        Object.assign(widest.style, { width: 'auto', minWidth: '0', visibility: 'hidden' });
        list.parentNode.append(widest);
        const [need, has] = [widest, list].map((e) => e.getBoundingClientRect().width);
        widest.remove();
        if (need > has + slack) {
            faults.push(`${name(list)} shows its widest entry in ${has} px of ${need}`);
        }
    }
    const boxes = [...scope.querySelectorAll(
        '[data-control-id]:not(.group-box), [data-command], .group-caption')].filter(shown);
    boxes.forEach((a, at) => boxes.slice(at + 1).forEach((b) => {
        const [r, q] = [a.getBoundingClientRect(), b.getBoundingClientRect()];
        const across = Math.min(r.right, q.right) - Math.max(r.left, q.left);
        const down = Math.min(r.bottom, q.bottom) - Math.max(r.top, q.top);
        if (!a.contains(b) && !b.contains(a) && across > 1 && down > 1) {
            faults.push(`${name(a)} and ${name(b)} overlap`);
        }
    }));
    const targets = scope.querySelectorAll(
        'select, button, input, textarea, a[href], [role=menuitem], tbody tr, [tabindex]');
    for (const target of [...targets].filter(shown)) {
        const { width, height } = target.getBoundingClientRect();
        if (width < 24 - slack || height < 24 - slack) {
            faults.push(`${name(target)} is a target of ${width} x ${height} px`);
        }
    }
    for (const bar of [...scope.querySelectorAll('.bar')].filter(shown)) {
        const colour = getComputedStyle(bar).backgroundColor;
        let behind = bar.parentElement;
        const clear = ['rgba(0, 0, 0, 0)', 'transparent'];
        while (clear.includes(getComputedStyle(behind).backgroundColor)) {
            behind = behind.parentElement;
        }
        if (clear.includes(colour) || colour === getComputedStyle(behind).backgroundColor) {
            faults.push(`the bar of ${bar.closest('tr').dataset.range} does not show`);
        }
    }
}
if (document.querySelector('[class~="undefined"]')) {
    faults.push('an element of class "undefined"');
}
return faults;
"""

# The sizes and settings the page is drawn at: viewport width and height, the browser's minimum
# font size, device pixels per CSS pixel, forced colours (high contrast).
# In order of the font size, which takes the browser's settings page to change.
GEOMETRY_CASES = [
    (width, height, minimum, 1, False)
    for minimum in (12, 16, 20) for width, height in ((320, 640), (360, 740), (1280, 800))
]
GEOMETRY_CASES[3:3] = [
    (640, 400, 16, 2, False),  # a 1280 x 800 window at 200 % zoom
    (360, 740, 16, 1, True),
    (1280, 800, 16, 1, True),
]
# Long figures: the longest recording time any state shows.
LONGEST = [("model", "Alder/Alder-W"), ("memory", "1GW"), ("range", "5min/div")]

# The texts that tell the page's language, by where they show: English, Japanese.
LANGUAGE_TEXTS = [
    ("#app .title", "NORVAK MEMORY Loomgraphs Maximum Recording Calculator(Test Version)",
     "NORVAK MEMORY Loomgraphs 最大記録計算ツール(テスト版)"),
    ("#app .title-command", "Menu", "メニュー"),
    ("#app [role=menuitem]:last-child", "Copy Link", "リンクをコピー(L)"),
    # The dialog's own texts, as the core hands them to the page.
    ("#app [data-control-id='1014']", "Model Number", "形名"),
]
READ_LANGUAGE = """
return [document.documentElement.lang,
        ...arguments[0].map((selector) => document.querySelector(selector).textContent)];
"""

# Each text of the calculator that wraps, as drawn against a copy that breaks lines only between
# Japanese phrases: a text broken elsewhere, and one whose longest phrase its box cannot hold.
FIND_BROKEN_PHRASES = """
const faults = [];
// The widths of its lines: the same where it breaks in the same places.
const breaks = (e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    return [...range.getClientRects()].map((r) => Math.round(r.width)).join(' ');
};
for (const text of document.querySelectorAll('#app > .window .static:not(.one-line)')) {
    const phrases = text.cloneNode(true);
    phrases.removeAttribute('id');
    Object.assign(phrases.style, { wordBreak: 'auto-phrase', visibility: 'hidden' });
    text.after(phrases);
    if (breaks(text) !== breaks(phrases)) {
        faults.push(`"${text.textContent}" breaks as ${breaks(text)}, not ${breaks(phrases)}`);
    }
    phrases.style.width = 'min-content';
    const [need, has] = [phrases, text].map((e) => e.getBoundingClientRect().width);
    if (need > has + 0.5) {
        faults.push(`"${text.textContent}" has ${has} px for a phrase of ${need}`);
    }
    phrases.remove();
}
return faults;
"""

# Where the focus is in an edit field: [control id, text, selection start, selection end].
READ_FIELD = """
const field = document.activeElement;
return [field.dataset.controlId, field.value, field.selectionStart, field.selectionEnd];
"""


def expected(state):
    """What the page must show of spanwise-cli's state: every list's entries, selection and
    enabled state, the three texts and whether the sampling period is shown."""
    return {
        "lists": {name: {key: shown[key] for key in ("entries", "selected", "enabled")}
                  for name, shown in state["lists"].items()},
        **{key: state[key] for key in ("recording_length", "sampling_period",
                                       "sampling_period_visible", "recording_time")},
    }


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._server = browser.serve(SITE)
        cls.url = cls._server.__enter__()
        cls.driver = browser.chromium()
        cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": RECORD_VIOLATIONS})

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls._server.__exit__(None, None, None)

    def tearDown(self):
        # Whatever the test did, the page kept to the policy it is served with.
        self.assertEqual(self.driver.execute_script("return window.spanwiseViolations"), [])

    # ---- helpers ------------------------------------------------------------------------------

    def open(self):
        browser.open_page(self.driver, self.url)

    def control(self, control_id):
        return self.driver.find_element(By.CSS_SELECTOR, f'#app [data-control-id="{control_id}"]')

    def focused(self):
        """The control id of the focused element; for a button of the page's own, its command."""
        active = self.driver.switch_to.active_element
        return active.get_attribute("data-control-id") or active.get_attribute("data-command")

    def assert_focus_on_menu_button(self):
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("class"),
                         "title-command")

    def assert_accessible(self, state):
        """axe-core finds no violation in the page as it is now."""
        if not self.driver.execute_script("return typeof axe === 'object'"):
            with open(AXE, encoding="utf-8") as script:
                self.driver.execute_script(script.read())
        self.assertEqual(self.driver.execute_async_script(RUN_AXE), [], f"axe-core, {state}")

    def open_address(self, scenario):
        """Opens the page with the picks in its address."""
        query = "&".join(f"{name}={urllib.parse.quote(value, safe='/')}"
                         for name, value in scenario)
        browser.open_page(self.driver, f"{self.url}?{query}" if query else self.url)

    def assert_address(self, query):
        """The page's address comes to hold query (as written, percent-encoded)."""
        read = "return location.search"
        WebDriverWait(self.driver, 2).until(lambda d: d.execute_script(read) == query,
                                            f"the address never held {query}")

    def reload(self):
        self.driver.refresh()
        WebDriverWait(self.driver, 20, poll_frequency=0.02).until(lambda d: d.execute_script(
            "return document.getElementById('app').getAttribute('aria-busy') === 'false'"))

    def wait_until_no_dialog(self):
        WebDriverWait(self.driver, 5, poll_frequency=0.02).until(
            lambda d: not d.find_elements(By.CSS_SELECTOR, "dialog[open]"))

    def shown(self):
        return self.driver.execute_script(READ_PAGE, scenarios.LIST_IDS, RECORDING_LENGTH,
                                          SAMPLING_PERIOD, RECORDING_TIME)

    def pick(self, name, value):
        """Picks as a user does, in the page's own list: the entry with that text (any case) or
        at that position."""
        enabled, texts, options = self.driver.execute_script(FIND_LIST, scenarios.LIST_IDS[name])
        if value.startswith("#"):
            index = int(value[1:])
        else:
            matches = [i for i, text in enumerate(texts) if text.lower() == value.lower()]
            self.assertTrue(matches, f"the {name} list shows no entry {value!r}: {texts}")
            index = matches[0]
        self.assertTrue(enabled, f"the {name} list is disabled")
        options[index].click()

    def play(self, scenario):
        for name, value in scenario:
            self.pick(name, value)

    def cli_state(self, scenario):
        return scenarios.cli_states(CLI, [scenario])[0]

    def clipboard(self):
        """What the clipboard holds once the page has written to it."""
        deadline = time.monotonic() + 5
        text = ""
        while not text and time.monotonic() < deadline:
            text = self.driver.execute_async_script(READ_CLIPBOARD)
        return text

    def choose_from_menu(self, text):
        """Opens the window's menu in the title bar and chooses the item."""
        self.driver.find_element(By.CSS_SELECTOR, "#app .title-command").click()
        items = self.driver.find_elements(By.CSS_SELECTOR, "#app [role=menuitem]")
        self.assertIn(text, [item.text for item in items])
        next(item for item in items if item.text == text).click()

    def message_box(self):
        return WebDriverWait(self.driver, 5).until(
            lambda d: d.execute_script(OPEN_MESSAGE_BOX), "no message box appeared")

    # ---- tests --------------------------------------------------------------------------------

    def test_opening(self):
        self.open()
        shown = self.shown()
        self.assertEqual(shown["recording_length"], "320000 div")
        self.assertEqual(shown["sampling_period"], "( 50ns/S )")
        self.assertEqual(shown["recording_time"], "1.6s")
        self.assertEqual(shown, expected(self.cli_state([])))
        # The dialog opens with the focus on its first list.
        self.assertEqual(self.focused(), "1000")
        # Served as scripts/web serves it: under a strict Content-Security-Policy.
        policy = self.driver.execute_async_script(
            "fetch(location.href).then((r) => arguments[0](r.headers.get('content-security-policy')))")
        self.assertEqual(policy, "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'")

        # Every list, text and button carries its control id (a button of the page's own, its
        # command); every list is labelled by its caption, each field the dialog writes is named
        # by what it is and shows, and the page has one live region.
        look = self.driver.execute_script("""
            const all = [...document.querySelectorAll(
                '#app .client select, #app .client button, #app .client .static')];
            const style = (id) => getComputedStyle(
                document.querySelector(`#app [data-control-id="${id}"]`));
            return {
                unmarked: all.filter((e) => !e.dataset.controlId && !e.dataset.command)
                    .map((e) => e.outerHTML),
                labels: [...document.querySelectorAll('#app select')].map(
                    (s) => s.labels.length ? s.labels[0].textContent : null),
                names: [1006, 1009, 1007].map((id) => document.querySelector(
                    `#app [data-control-id="${id}"]`).getAttribute('aria-label')),
                live: [...document.querySelectorAll('[role=status], [role=alert], [aria-live]')]
                    .map((e) => e.id),
                headings: [...document.querySelectorAll('h1')].map((e) => e.textContent),
                fonts: [1006, 1007, 1009].map((id) => [style(id).fontWeight, style(id).color]),
            };""")
        self.assertEqual(look["unmarked"], [])
        self.assertEqual(look["labels"], ["Model Number", "Internal Memory", "Function", "Sampling",
                                          "Sable Scanner Unit", "Channels", "Time-axis Range"])
        self.assertEqual(look["names"], ["Maximum Recording Length: 320000 div",
                                         "Sampling Period: 50ns/S", "Maximum Recording Time: 1.6s"])
        self.assertEqual(look["live"], ["status"])
        self.assertEqual(look["headings"], ["Spanwise"])
        blue_bold = ["700", "rgb(0, 0, 255)"]
        self.assertEqual(look["fonts"][:2], [blue_bold, blue_bold])
        self.assertNotEqual(look["fonts"][2][0], "700")
        self.assertNotEqual(look["fonts"][2][1], "rgb(0, 0, 255)")
        self.assert_accessible("opening")

        # The window menu: the core's items with their mnemonic letters, and the page's own.
        self.driver.find_element(By.CSS_SELECTOR, "#app .title-command").click()
        items = self.driver.execute_script("""return [...document.querySelectorAll(
            '#app [role=menuitem]')].map((e) => [e.textContent, e.querySelector('u').textContent])""")
        self.assertEqual(items, [["About...", "A"], ["Fit a Recording Time...", "F"],
                                 ["Ranges...", "R"], ["Copy Link", "L"]])
        self.assert_accessible("the menu open")

    def test_opening_failures(self):
        # Whatever fails while the calculator opens ends in a visible message that names it, not
        # busy: a file that cannot be loaded by its name.
        cases = [
            ("a module blocked", ["*/dialog-view.js"], None, "dialog-view.js could not be loaded."),
            ("the first module blocked", ["*/main.js"], None, "main.js could not be loaded."),
            ("the core's script blocked", ["*/spanwise.js"], None,
             "spanwise.js could not be loaded."),
            ("the core blocked", ["*/spanwise.wasm"], None, "spanwise.wasm could not be loaded ("),
            ("no Element.replaceChildren", [], "delete Element.prototype.replaceChildren;",
             "this browser lacks Element.replaceChildren."),
            ("no HTMLDialogElement.showModal", [],
             "delete HTMLDialogElement.prototype.showModal;",
             "this browser lacks HTMLDialogElement.showModal."),
            ("an error thrown", [], "HTMLSelectElement.prototype.add = () => {"
                                    " throw new Error('no list'); };", "no list"),
        ]
        self.driver.execute_cdp_cmd("Network.enable", {})
        for case, blocked, script, reason in cases:
            with self.subTest(case):
                self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": blocked})
                added = script and self.driver.execute_cdp_cmd(
                    "Page.addScriptToEvaluateOnNewDocument", {"source": script})
                try:
                    with self.assertRaises(RuntimeError) as failure:
                        self.open()
                finally:
                    self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
                    if added:
                        self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                                    {"identifier": added["identifier"]})
                self.assertTrue(str(failure.exception).startswith(
                    "The calculator could not be opened: " + reason), str(failure.exception))
                self.assertTrue(self.driver.find_element(By.CSS_SELECTOR,
                                                         "#app [role=alert]").is_displayed())
        # Without JavaScript, the <noscript> text alone.
        self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
        try:
            self.driver.get(self.url)
            shown = self.driver.find_element(By.ID, "app").text
            busy = self.driver.find_element(By.ID, "app").get_attribute("aria-busy")
        finally:
            self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
        self.assertEqual(shown, "Spanwise needs JavaScript and WebAssembly, which this browser "
                                "does not run.")
        self.assertIsNone(busy)

    def check_scenarios(self, part, parts):
        """Plays every parts-th walk from the part-th on, as CTest runs the parts side by side,
        each from a page just opened, and compares the page with spanwise-cli after every pick.
        A walk stops at its first difference."""
        walks = scenarios.long_walks(CLI, WALK_COUNT, WALK_LENGTH)
        failures = []
        compared = 0
        for walk in walks[part::parts]:
            self.open()
            played = []
            for pick, state in walk:
                played.append(pick)
                compared += 1
                try:
                    self.pick(*pick)
                    shown = self.shown()
                except AssertionError as error:
                    shown = str(error)
                if shown != expected(state):
                    failures.append(f"{scenarios.line_of(played)}:\n  page: {shown}\n"
                                    f"  cli:  {expected(state)}")
                    break
        self.assertEqual(failures, [], f"{len(failures)} walks differ; {compared} states compared")
        self.assertGreaterEqual(compared, WALK_COUNT * WALK_LENGTH // parts)

    def test_plain_server(self):
        # A server that sends the core as application/octet-stream, not application/wasm.
        with browser.serve(SITE, plain=True) as url:
            browser.open_page(self.driver, url)
            self.assertEqual(self.shown()["recording_time"], "1.6s")

    def test_scenarios_1(self):
        self.check_scenarios(0, 2)

    def test_scenarios_2(self):
        self.check_scenarios(1, 2)

    def test_copy(self):
        browser.set_clipboard_permission(self.driver, self.url, granted=True)
        self.open()
        scenario = [("model", "Cedar"), ("function", "REC"), ("range", "#3")]
        self.play(scenario)
        before = self.shown()
        self.assert_accessible("REC")
        self.control(COPY).click()
        self.assertEqual(self.clipboard(), self.cli_state(scenario)["report"])
        self.assertEqual(self.shown(), before)
        # The page says so, shown for a moment.
        status = self.driver.find_element(By.ID, "status")
        WebDriverWait(self.driver, 5).until(lambda d: status.text)
        self.assertEqual(status.text, "Copied the report to the clipboard.")

    def test_clipboard_failures(self):
        no_clipboard = "Object.defineProperty(Navigator.prototype, 'clipboard', {get: () => undefined});"
        cases = [
            ("the browser refuses the text", None, "Unable to set Clipboard data"),
            ("the browser has no clipboard", no_clipboard, "Cannot open the Clipboard"),
        ]
        for case, script, message in cases:
            with self.subTest(case):
                browser.set_clipboard_permission(self.driver, self.url, granted=False)
                added = None
                if script:
                    added = self.driver.execute_cdp_cmd(
                        "Page.addScriptToEvaluateOnNewDocument", {"source": script})
                try:
                    self.open()
                finally:
                    if added:
                        self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                                    {"identifier": added["identifier"]})
                before = self.shown()
                self.control(COPY).click()
                box = self.message_box()
                self.assertEqual(box, {"caption": "spanwise", "text": message, "buttons": ["OK"]})
                self.assertEqual(len(self.driver.find_elements(
                    By.CSS_SELECTOR, "dialog.message-box[open]")), 1)
                # The report beside the message, selected, to be copied by hand.
                report = self.cli_state([])["report"].replace("\r\n", "\n")
                self.assertEqual(self.driver.execute_script(
                    "const t = document.activeElement; return [t.tagName, t.value,"
                    " t.selectionStart, t.selectionEnd]"), ["TEXTAREA", report, 0, len(report)])
                self.assert_accessible("a message box")
                self.driver.find_element(By.CSS_SELECTOR, "dialog.message-box[open] button").click()
                self.assertIsNone(self.driver.execute_script(OPEN_MESSAGE_BOX))
                self.assertEqual(self.focused(), str(COPY))
                self.assertEqual(self.shown(), before)

    def test_phone(self):
        browser.set_viewport(self.driver, *browser.PHONE)
        try:
            self.open()
            scenario = [("model", "Birch/Birch-W"), ("sampling", "#1")]
            self.play(scenario)
            self.assertEqual(self.shown(), expected(self.cli_state(scenario)))
            fit = self.driver.execute_script("""
                const root = document.documentElement;
                const outside = [...document.querySelectorAll('#app [data-control-id]')]
                    .filter((e) => e.getClientRects().length > 0)
                    .filter((e) => { const r = e.getBoundingClientRect();
                                     return r.left < 0 || r.right > root.clientWidth; })
                    .map((e) => e.dataset.controlId);
                return [root.scrollWidth, root.clientWidth, outside];""")
            self.assertEqual(fit, [browser.PHONE[0], browser.PHONE[0], []])
            self.assert_accessible("phone width")
            # Copy's confirmation shows where the user looks, beside the button, on a short
            # phone's screen too.
            browser.set_viewport(self.driver, 360, 640)
            browser.set_clipboard_permission(self.driver, self.url, granted=True)
            copy = self.control(COPY)
            self.driver.execute_script("arguments[0].scrollIntoView({block: 'end'})", copy)
            copy.click()
            WebDriverWait(self.driver, 5, poll_frequency=0.02).until(
                lambda d: d.find_element(By.ID, "status").text)
            gap = self.driver.execute_script("""
                const [shown, button] = [document.getElementById('status'), arguments[0]]
                    .map((e) => e.getBoundingClientRect());
                const inView = shown.top >= 0 && shown.bottom <= innerHeight && shown.left >= 0
                    && shown.right <= document.documentElement.clientWidth;
                return inView && Math.max(shown.top - button.bottom, button.top - shown.bottom);
                """, copy)
            self.assertIsNot(gap, False, "the confirmation is out of sight")
            self.assertLessEqual(gap, 16)
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def assert_fits(self, state):
        self.assertEqual(self.driver.execute_script(FIND_FAULTS), [], state)

    def test_geometry(self):
        # At every size and setting: the calculator with its longest figures, its menu open, Fit a
        # Recording Time, the Ranges view with the ranges that record the time marked, About.
        # The page opens again where the font's size or the pixels change; between other cases it
        # is only resized (a phone turned, a window made narrower).
        opened_at = None
        with browser.minimum_font_size(self.driver) as set_minimum_font_size:
            try:
                for width, height, font, scale, forced in GEOMETRY_CASES:
                    with self.subTest(width=width, minimum_font=font, scale=scale, forced=forced):
                        # After a failure the page opens again.
                        previous, opened_at = opened_at, None
                        self.check_geometry(width, height, font, scale, forced, previous,
                                            set_minimum_font_size)
                        opened_at = (font, scale)
            finally:
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
                self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def check_geometry(self, width, height, font, scale, forced, opened_at, set_minimum_font_size):
        if opened_at is None or font != opened_at[0]:
            set_minimum_font_size(font)
            opened_at = None
        browser.set_viewport(self.driver, width, height, scale)
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "forced-colors", "value": "active" if forced else "none"}]})
        if (font, scale) != opened_at:
            self.open_address(LONGEST)
        self.assert_fits("the calculator")
        self.driver.find_element(By.CSS_SELECTOR, "#app .title-command").click()
        self.assert_fits("the menu open")
        self.driver.switch_to.active_element.send_keys("f")
        self.assert_fits("Fit a Recording Time")
        self.driver.switch_to.active_element.send_keys("1d", Keys.ENTER)
        self.wait_until_no_dialog()
        self.driver.find_element(By.CSS_SELECTOR, f"[data-command='{RANGES}']").click()
        self.assert_fits("the Ranges view")
        if (width, font) == (320, 20):
            # Laid out two lines a range, the table is still read as one.
            self.assert_accessible("the Ranges view on a narrow screen")
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.choose_from_menu("About...")
        self.assert_fits("About")
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.wait_until_no_dialog()

    def test_about(self):
        self.open()
        self.choose_from_menu("About...")
        box = self.driver.find_element(By.CSS_SELECTOR, "dialog.modal[open]")
        texts = [e.text for e in box.find_elements(By.CSS_SELECTOR, ".static")]
        # The version as spanwise-cli --version writes it ("Spanwise V" and the version).
        version = subprocess.run([CLI, "--version"], capture_output=True, text=True,
                                 check=True).stdout.split()[-1].removeprefix("V")
        self.assertEqual(texts[0], f"Spanwise Version {version}")
        self.assertEqual(box.find_element(By.CSS_SELECTOR, ".title").text, "About Spanwise")
        ok = box.find_element(By.CSS_SELECTOR, "button.default")
        self.assertEqual(self.driver.switch_to.active_element, ok)
        self.assert_accessible("About")
        ok.click()
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "dialog.modal[open]"), [])
        # The focus is back on what opened the box.
        self.assert_focus_on_menu_button()
        # The About box has ended; the calculator goes on.
        self.pick("model", "#2")
        self.assertEqual(self.shown(), expected(self.cli_state([("model", "#2")])))

    def test_fit(self):
        # Fit a Recording Time picks the range spanwise-cli's fit names, or says why it cannot and
        # stays open with the text as typed, selected for correction; it opens again with the
        # last duration tried. Whenever it closes, the focus is back on the menu's button.
        messages = {3: "No time-axis range records", 2: "Cannot read the recording time"}
        cases = []
        for duration in ("3s", "1h", "5000d", "soon"):
            status, fitted = scenarios.cli_fit(CLI, duration)
            cases.append((duration, [("range", fitted)] if status == 0 else [],
                          messages.get(status)))
        self.assertEqual([message for _, _, message in cases], [None, None, messages[3],
                                                                  messages[2]])
        cases.append((None, [], None))  # Escape: nothing happens
        for duration, picked, message in cases:
            with self.subTest(duration):
                self.open()
                self.choose_from_menu("Fit a Recording Time...")
                box = self.driver.find_element(By.CSS_SELECTOR, "dialog.modal[open]")
                self.assertEqual(box.find_element(By.CSS_SELECTOR, ".title").text,
                                 "Fit a Recording Time")
                field = self.driver.switch_to.active_element
                self.assertEqual(field.get_attribute("data-control-id"), "1020")
                self.assertEqual(field.get_attribute("id"), self.driver.execute_script(
                    "return arguments[0].labels[0].htmlFor", field))
                if duration is None:
                    self.assert_accessible("Fit a Recording Time")
                    field.send_keys(Keys.ESCAPE)
                else:
                    field.send_keys(duration, Keys.ENTER)
                if message:
                    self.assertTrue(self.message_box()["text"].startswith(message))
                    self.driver.find_element(By.CSS_SELECTOR,
                                             "dialog.message-box[open] button").click()
                    # The box's close event, and with it the core's answer, comes a task later.
                    selected = ["1020", duration, 0, len(duration)]
                    with contextlib.suppress(TimeoutException):
                        WebDriverWait(self.driver, 2).until(
                            lambda d: d.execute_script(READ_FIELD) == selected)
                    self.assertEqual(self.driver.execute_script(READ_FIELD), selected)
                    self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
                    self.wait_until_no_dialog()
                    self.choose_from_menu("Fit a Recording Time...")
                    self.assertEqual(self.driver.execute_script(READ_FIELD),
                                     ["1020", duration, 0, len(duration)])
                    self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
                self.wait_until_no_dialog()
                self.assert_focus_on_menu_button()
                self.assertEqual(self.shown(), expected(self.cli_state(picked)))
                # The box has ended; the calculator goes on.
                self.pick("range", "#0")
                self.assertEqual(self.shown(), expected(self.cli_state(picked + [("range", "#0")])))

    def test_exit(self):
        self.open()
        self.control(EXIT).click()
        app = self.driver.find_element(By.ID, "app")
        self.assertEqual(app.text, "The calculator is closed. Reload the page to open it again.")
        self.assertEqual(app.find_elements(By.CSS_SELECTOR, "select"), [])
        self.assertEqual([h.get_attribute("textContent") for h in
                          self.driver.find_elements(By.TAG_NAME, "h1")], ["Spanwise"])
        self.assert_accessible("after Exit")
        app.find_element(By.LINK_TEXT, "Reload the page").click()
        browser.open_page(self.driver, self.driver.current_url)
        self.assertEqual(self.shown()["recording_time"], "1.6s")

    def test_keyboard(self):
        # Every pick, Copy, About, Fit a Recording Time, Ranges and Exit with the keyboard alone.
        browser.set_clipboard_permission(self.driver, self.url, granted=True)
        self.open()
        focused = self.driver.switch_to.active_element
        focused.send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.shown(), expected(self.cli_state([("model", "#1")])))
        # Tab goes through the enabled lists in template order, the Ranges button, Copy and Exit.
        order = [self.focused()]
        for _ in range(9):
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
            order.append(self.focused())
        self.assertEqual(order, ["1000", "1001", "1002", "1004", "1003", "1005", "1008",
                                 str(RANGES), "1012", "1"])
        # Back to Copy, and Enter presses it.
        self.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.focused(), str(COPY))
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertEqual(self.clipboard(), self.cli_state([("model", "#1")])["report"])

        # One pick, one announcement of what changed.
        self.open()
        range_list = self.control(1008)
        range_list.send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.driver.find_element(By.ID, "status").get_attribute("textContent"),
                         "Sampling Period 100ns/S, Maximum Recording Time 3.2s")

        # Shift+F10 and the context-menu key open the menu, as on the desktop; a mnemonic letter
        # chooses an item.
        context_menu_key = {"key": "ContextMenu", "code": "ContextMenu",
                            "windowsVirtualKeyCode": 93}  # WebDriver has no name for it
        for keys in ((Keys.SHIFT, Keys.F10), None):
            with self.subTest(keys=keys):
                if keys:
                    self.control(1008).send_keys(*keys)
                else:
                    self.driver.execute_script("arguments[0].focus()", self.control(1008))
                    for kind in ("rawKeyDown", "keyUp"):
                        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent",
                                                    {"type": kind, **context_menu_key})
                self.assertEqual(self.driver.switch_to.active_element.text, "About...")
                self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
                self.assert_focus_on_menu_button()
        self.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.F10)
        self.driver.switch_to.active_element.send_keys("a")
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)  # the About box's OK
        self.wait_until_no_dialog()
        self.assert_focus_on_menu_button()
        # Ranges from the menu: the arrow keys move, Enter picks; the state is the pick's.
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
        self.driver.switch_to.active_element.send_keys("r")
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-range"),
                         "10us/div")
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN,
                                                       Keys.ARROW_UP, Keys.ENTER)
        self.wait_until_no_dialog()
        self.assert_focus_on_menu_button()
        self.assertEqual(self.shown(), expected(self.cli_state([("range", "#2")])))
        # Fit a Recording Time, then Exit.
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
        self.driver.switch_to.active_element.send_keys("f")
        self.driver.switch_to.active_element.send_keys(Keys.CONTROL, "a")
        self.driver.switch_to.active_element.send_keys("1h", Keys.ENTER)
        self.wait_until_no_dialog()
        self.assertEqual(self.shown(), expected(self.cli_state(
            [("range", "#2"), ("range", scenarios.cli_fit(CLI, "1h")[1])])))
        self.control(EXIT).send_keys(Keys.ENTER)
        self.assertEqual(self.driver.find_element(By.ID, "app").text,
                         "The calculator is closed. Reload the page to open it again.")

    def ranges_cases(self):
        """Picks to open the Ranges view at: the opening, REC, and walks through the lists."""
        walked = [scenario for scenario, _ in scenarios.walks(CLI, 24)[3::7]]
        return [[], [("model", "Cedar"), ("function", "REC"), ("range", "1s/div")]] + walked

    def test_ranges(self):
        # The view's rows are spanwise-cli table's for the same picks, the current range marked;
        # choosing a row (a click, or Enter after the arrow keys) picks that range.
        for number, scenario in enumerate(self.ranges_cases()):
            with self.subTest(scenarios.line_of(scenario)):
                self.open_address(scenario)
                state = self.cli_state(scenario)
                table = subprocess.run([CLI, "table", "--csv"] + [f"{n}={v}" for n, v in scenario],
                                       capture_output=True, text=True, check=True).stdout
                current = state["lists"]["range"]["entries"][state["lists"]["range"]["selected"]]
                rows = [[cells[0]] + cells + [cells[0] == current]
                        for cells in (line.split(",") for line in table.splitlines()[1:])]
                opener = self.driver.find_element(By.CSS_SELECTOR, f"[data-command='{RANGES}']")
                opener.click()
                self.assertEqual(self.driver.execute_script(READ_RANGES), rows)
                self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-range"),
                                 current)
                if number == 0:
                    self.assert_accessible("the Ranges view")
                chosen = (rows.index(next(row for row in rows if row[-1])) + 1) % len(rows)
                if number % 2:
                    self.driver.find_elements(By.CSS_SELECTOR,
                                              "dialog[open] tbody tr")[chosen].click()
                else:
                    self.driver.switch_to.active_element.send_keys(Keys.END)
                    for _ in range(len(rows) - 1 - chosen):
                        self.driver.switch_to.active_element.send_keys(Keys.ARROW_UP)
                    self.driver.switch_to.active_element.send_keys(Keys.ENTER)
                self.wait_until_no_dialog()
                self.assertEqual(self.driver.switch_to.active_element, opener)
                self.assertEqual(self.shown(), expected(self.cli_state(
                    scenario + [("range", f"#{chosen}")])))
        # After Fit a Recording Time: the ranges that record the duration are marked, the
        # fitted one among them, and the note names it.
        self.open()
        self.choose_from_menu("Fit a Recording Time...")
        self.driver.switch_to.active_element.send_keys("1h", Keys.ENTER)
        fitted = scenarios.cli_fit(CLI, "1h")[1]
        self.wait_until_no_dialog()
        self.choose_from_menu("Ranges...")
        marked = self.driver.execute_script(
            "return [...document.querySelectorAll('dialog[open] tr.marked')]"
            ".map((row) => row.dataset.range)")
        self.assertEqual(marked[0], fitted)
        self.assertIn(f"the finest is {fitted}", self.driver.find_element(
            By.CSS_SELECTOR, "dialog[open] [data-control-id='1031']").text)
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.wait_until_no_dialog()
        self.assert_focus_on_menu_button()

    def test_address(self):
        # An address with picks opens the state spanwise-cli gives for them, and is written back
        # as the core writes them; a reload keeps it, and so does a pick in the page.
        picks = [("model", "ced"), ("function", "REC"), ("range", "1s/div")]
        self.open_address(picks)
        self.assertEqual(self.shown(), expected(self.cli_state(picks)))
        self.assert_address("?model=Cedar&function=REC&range=1s/div")
        self.reload()
        self.assertEqual(self.shown(), expected(self.cli_state(picks)))
        self.pick("memory", "#1")
        WebDriverWait(self.driver, 2).until(
            lambda d: "memory=128MW" in d.execute_script("return location.search"))
        self.reload()
        self.assertEqual(self.shown(), expected(self.cli_state(picks + [("memory", "#1")])))

        # Addresses as people write them by hand, or as other sites pass them on: the query as
        # typed, the picks it means, the address the page then writes.
        cases = [
            ("channels=16ch+logic", [("channels", "16ch+logic")], "?channels=16ch+logic"),
            ("channels=16ch%2Blogic", [("channels", "16ch+logic")], "?channels=16ch+logic"),
            ("sampling=Dual-axis+Sampling", [("sampling", "Dual-axis Sampling")],
             "?sampling=Dual-axis%20Sampling"),
            ("utm_source=news&model=Cedar&fbclid=IwAR0x", [("model", "Cedar")], "?model=Cedar"),
            ("range=%233", [("range", "#3")], "?range=50us/div"),
        ]
        for query, meant, written in cases:
            with self.subTest(query):
                browser.open_page(self.driver, f"{self.url}?{query}")
                self.assertIsNone(self.driver.execute_script(OPEN_MESSAGE_BOX))
                self.assertEqual(self.shown(), expected(self.cli_state(meant)))
                self.assert_address(written)

        # A bad pick is told in a window's words, the entries one to a line; the others stay.
        bad = [("model", "Cedar"), ("function", "XYZ"), ("range", "1s/div")]
        self.open_address(bad)
        self.assertEqual(self.message_box()["text"],
                         'Cannot pick "XYZ" in the Function list, which has no such entry. Its '
                         'entries are now:\nMEM\nREC')
        self.driver.find_element(By.CSS_SELECTOR, "dialog.message-box[open] button").click()
        kept = [bad[0], bad[2]]
        self.assertEqual(self.shown(), expected(self.cli_state(kept)))
        self.assert_address("?model=Cedar&range=1s/div")

        # The address is written only when it changes: Copy leaves it; quick picks end with the
        # last one's.
        browser.set_clipboard_permission(self.driver, self.url, granted=True)
        self.driver.execute_script("""
            window.addresses = 0;
            const replace = history.replaceState.bind(history);
            history.replaceState = (...args) => { window.addresses += 1; replace(...args); };""")
        self.control(COPY).click()
        self.clipboard()
        self.driver.execute_async_script("setTimeout(arguments[0], 50)")
        self.assertEqual(self.driver.execute_script("return window.addresses"), 0)
        self.control(1008).send_keys(*[Keys.ARROW_DOWN] * 5)
        self.assert_address("?model=Cedar&range=1min/div")
        # Copy Link puts the address on the clipboard.
        self.choose_from_menu("Copy Link")
        self.assertEqual(self.clipboard(), self.driver.current_url)
        self.assertEqual(self.driver.find_element(By.ID, "status").text,
                         "Copied the link to the clipboard.")

    def test_languages(self):
        # The page in the language its address asks for or, without a lang=, in the first of the
        # browser's languages it speaks, with the same figures; a lang= it does not speak, or a
        # language whose texts cannot be fetched, leave it in English without a message. The
        # address it writes keeps a lang= it had.
        picks = [("model", "Cedar"), ("range", "1s/div")]
        figures = ("recording_length", "sampling_period", "recording_time")
        english_figures = [expected(self.cli_state(picks))[key] for key in figures]
        english = ["en", *[text for _, text, _ in LANGUAGE_TEXTS]]
        japanese = ["ja", *[text for _, _, text in LANGUAGE_TEXTS]]
        agent = self.driver.execute_script("return navigator.userAgent")
        cases = [
            # lang=, the browser's languages, whether its texts can be fetched, shown in, the
            # lang= the address keeps
            ("ja", "en-US,en", True, japanese, "ja"),
            ("JA_jp", "en-US", True, japanese, "JA_jp"),
            ("", "ja-JP,en-US", True, japanese, ""),
            ("en", "ja-JP", True, english, "en"),
            ("", "de-DE,en-US,ja", True, english, ""),
            ("xx", "ja", True, japanese, ""),
            ("xx", "en-US", True, english, ""),
            ("ja", "en-US", False, english, "ja"),
        ]
        self.driver.execute_cdp_cmd("Network.enable", {})
        try:
            for asked, languages, fetched, shown, kept in cases:
                with self.subTest(lang=asked, languages=languages, fetched=fetched):
                    self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride",
                                                {"userAgent": agent, "acceptLanguage": languages})
                    # Past the service worker, which keeps the texts once fetched.
                    self.driver.execute_cdp_cmd("Network.setBypassServiceWorker",
                                                {"bypass": not fetched})
                    self.driver.execute_cdp_cmd("Network.setBlockedURLs",
                                                {"urls": [] if fetched else ["*/lang-*.json"]})
                    self.open_address(picks + ([("lang", asked)] if asked else []))
                    self.assertEqual(self.driver.execute_script(READ_LANGUAGE, [
                        selector for selector, _, _ in LANGUAGE_TEXTS]), shown)
                    self.assertIsNone(self.driver.execute_script(OPEN_MESSAGE_BOX))
                    self.assertEqual([self.shown()[key] for key in figures], english_figures)
                    self.assert_address("?model=Cedar&range=1s/div"
                                        + (f"&lang={kept}" if kept else ""))
        finally:
            self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
            self.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
            self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride",
                                        {"userAgent": agent, "acceptLanguage": "en-US"})

        # In Japanese: no caption of the calculator broken inside a phrase, what the page says,
        # and the Ranges view's column of bars named for screen readers in it.
        self.open_address(picks + [("lang", "ja")])
        self.assertEqual(self.driver.execute_script(FIND_BROKEN_PHRASES), [])
        browser.set_clipboard_permission(self.driver, self.url, granted=True)
        self.choose_from_menu("リンクをコピー(L)")
        self.assertEqual(self.clipboard(), self.driver.current_url)
        self.assertEqual(self.driver.find_element(By.ID, "status").text,
                         "リンクをクリップボードにコピーしました。")
        self.driver.find_element(By.CSS_SELECTOR, f"[data-command='{RANGES}']").click()
        self.assertEqual(self.driver.execute_script(
            "return document.querySelector('dialog[open] thead th:last-child').textContent"),
            "記録時間グラフ")
        self.assert_accessible("the Ranges view in Japanese")


def main():
    global SITE, CLI, AXE
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True, help="the built page (build/web)")
    parser.add_argument("--cli", required=True, help="spanwise-cli")
    parser.add_argument("--axe", required=True, help="axe-core's axe.min.js")
    args, rest = parser.parse_known_args()
    SITE, CLI, AXE = args.site, args.cli, args.axe
    return browser.run_tests(os.path.join(SITE, "index.html"), rest)


if __name__ == "__main__":
    sys.exit(main())
