"""The calculator page in headless Chromium, checked against spanwise-cli.

Usage: page_test.py --site DIR --cli SPANWISE_CLI [unittest arguments, e.g. PageTest.test_copy]

Exits with 77 (skipped) when DIR holds no built page (build it with `cmake --build --preset web`)
or when Chromium, its WebDriver or selenium is missing (scripts/install-deps web installs them).
"""

import argparse
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import scenarios  # noqa: E402

if browser.webdriver is not None:
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait

SITE = None
CLI = None

SCENARIO_COUNT = 300
COPY, EXIT = 1012, 1
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
        return self.driver.switch_to.active_element.get_attribute("data-control-id")

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

        # Every list, text and button carries its control id; every list is labelled by its
        # caption, and the result fields are announced as they change.
        look = self.driver.execute_script("""
            const all = [...document.querySelectorAll(
                '#app .client select, #app .client button, #app .client .static')];
            const style = (id) => getComputedStyle(
                document.querySelector(`#app [data-control-id="${id}"]`));
            return {
                unmarked: all.filter((e) => !e.dataset.controlId).map((e) => e.outerHTML),
                labels: [...document.querySelectorAll('#app select')].map(
                    (s) => s.labels.length ? s.labels[0].textContent : null),
                live: [...document.querySelectorAll('#app [role=status]')].map(
                    (e) => e.dataset.controlId),
                fonts: [1006, 1007, 1009].map((id) => [style(id).fontWeight, style(id).color]),
            };""")
        self.assertEqual(look["unmarked"], [])
        self.assertEqual(look["labels"], ["Model Number", "Internal Memory", "Function", "Sampling",
                                          "Sable Scanner Unit", "Channels", "Time-axis Range"])
        self.assertEqual(sorted(look["live"]), ["1006", "1007", "1009"])
        blue_bold = ["700", "rgb(0, 0, 255)"]
        self.assertEqual(look["fonts"][:2], [blue_bold, blue_bold])
        self.assertNotEqual(look["fonts"][2][0], "700")
        self.assertNotEqual(look["fonts"][2][1], "rgb(0, 0, 255)")

    def check_scenarios(self, part, parts):
        """Plays every parts-th scenario from the part-th on, as CTest runs the parts side by
        side."""
        played = scenarios.walks(CLI, SCENARIO_COUNT)
        self.assertGreaterEqual(len(played), SCENARIO_COUNT)
        failures = []
        mine = played[part::parts]
        for scenario, state in mine:
            self.open()
            self.play(scenario)
            shown = self.shown()
            if shown != expected(state):
                failures.append(f"{scenarios.line_of(scenario)}:\n  page: {shown}\n"
                                f"  cli:  {expected(state)}")
        self.assertEqual(failures[:5], [], f"{len(failures)} of {len(mine)} scenarios differ")

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
        self.control(COPY).click()
        self.assertEqual(self.clipboard(), self.cli_state(scenario)["report"])
        self.assertEqual(self.shown(), before)

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
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_about(self):
        self.open()
        self.choose_from_menu("About...")
        box = self.driver.find_element(By.CSS_SELECTOR, "dialog.modal[open]")
        texts = [e.text for e in box.find_elements(By.CSS_SELECTOR, ".static")]
        self.assertEqual(texts[0], "Spanwise Version 1.02")
        self.assertEqual(box.find_element(By.CSS_SELECTOR, ".title").text, "About Spanwise")
        ok = box.find_element(By.CSS_SELECTOR, "button.default")
        self.assertEqual(self.driver.switch_to.active_element, ok)
        ok.click()
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "dialog.modal[open]"), [])
        # The About box has ended; the calculator goes on.
        self.pick("model", "#2")
        self.assertEqual(self.shown(), expected(self.cli_state([("model", "#2")])))

    def test_fit(self):
        # Fit a Recording Time picks the range spanwise-cli's fit names, or says why it cannot.
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
                    field.send_keys(Keys.ESCAPE)
                else:
                    field.send_keys(duration, Keys.ENTER)
                if message:
                    self.assertTrue(self.message_box()["text"].startswith(message))
                    self.driver.find_element(By.CSS_SELECTOR, "dialog.message-box[open] button").click()
                WebDriverWait(self.driver, 5).until(
                    lambda d: not d.find_elements(By.CSS_SELECTOR, "dialog[open]"))
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
        app.find_element(By.LINK_TEXT, "Reload the page").click()
        browser.open_page(self.driver, self.driver.current_url)
        self.assertEqual(self.shown()["recording_time"], "1.6s")

    def test_keyboard(self):
        browser.set_clipboard_permission(self.driver, self.url, granted=True)
        self.open()
        focused = self.driver.switch_to.active_element
        focused.send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.shown(), expected(self.cli_state([("model", "#1")])))
        # Tab goes through the enabled lists in template order, then Copy and Exit.
        order = [self.focused()]
        for _ in range(8):
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
            order.append(self.focused())
        self.assertEqual(order, ["1000", "1001", "1002", "1004", "1003", "1005", "1008", "1012", "1"])
        # Back to Copy, and Enter presses it.
        self.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.focused(), str(COPY))
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertEqual(self.clipboard(), self.cli_state([("model", "#1")])["report"])


def main():
    global SITE, CLI
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True, help="the built page (build/web)")
    parser.add_argument("--cli", required=True, help="spanwise-cli")
    args, rest = parser.parse_known_args()
    SITE, CLI = args.site, args.cli
    return browser.run_tests(os.path.join(SITE, "index.html"), rest)


if __name__ == "__main__":
    sys.exit(main())
