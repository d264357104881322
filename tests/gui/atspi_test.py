#!/usr/bin/python3
"""What a screen reader reads of the real calculator window, through AT-SPI.

Starts an X server (Xvfb) and a D-Bus session of its own, runs spanwise there with Qt's
accessibility bridge on, and reads the window's accessibility tree as Orca would: the lists named
by their captions, the results and the shown sampling period by what they are and show, one name
change for each result a pick changes, no focusable control without a name, and the About, Fit a
Recording Time and Ranges boxes opened from the keyboard as named dialogs. A second run starts
spanwise with picks on its command line and compares the names with spanwise-cli's answers; a
third under a Japanese locale reads the same names in Japanese.
Everything it starts is stopped by its process id.

Usage: atspi_test.py SPANWISE SPANWISE_CLI
"""

import json
import os
import subprocess
import sys
import time

from xsession import Session

LISTS = ["Model Number", "Internal Memory", "Function", "Sampling", "Sable Scanner Unit",
         "Channels", "Time-axis Range"]
LISTS_JA = ["形名", "内部メモリ", "ファンクション", "サンプリング", "Sable スキャナユニット",
            "チャンネル", "時間軸レンジ"]
TITLE_JA = "NORVAK MEMORY Loomgraphs 最大記録計算ツール(テスト版)"
WAIT_S = 15


class Checks:
    def __init__(self):
        self.failures = []

    def equal(self, what, actual, expected):
        if actual != expected:
            self.failures.append(f"{what}: {actual!r}, expected {expected!r}")


def main(spanwise, cli):
    with Session():
        # Imported once the session's bus is in the environment.
        import pyatspi
        from gi.repository import GLib

        checks = Checks()
        heard = []

        # An object may be gone by the time its event is read. A shown label's name is what
        # the label is and shows; the window's announcements are a notification's.
        def hear(event):
            try:
                if event.source.getRoleName() == "label" and showing(event.source):
                    heard.append(event.source.name)
            except GLib.Error:
                pass

        pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name")
        focus = []

        def hear_focus(event):
            try:
                if event.detail1:
                    focus.append(event.source.getRoleName())
            except GLib.Error:
                pass

        pyatspi.Registry.registerEventListener(hear_focus, "object:state-changed:focused")

        def pump(seconds=0.0, until=lambda: False):
            deadline = time.monotonic() + seconds
            context = GLib.MainContext.default()
            while True:
                while context.iteration(False):
                    pass
                if until() or time.monotonic() >= deadline:
                    return until()
                time.sleep(0.02)

        def walk(node):
            yield node
            for child in node:
                if child is not None:
                    yield from walk(child)

        def showing(node):
            return node.getState().contains(pyatspi.STATE_SHOWING)

        def windows(app):
            return [w for w in app if w is not None and showing(w)] if app else []

        def find_app():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "spanwise" and windows(app):
                    return app
            return None

        def start(args, environment=None):
            process = subprocess.Popen(
                [spanwise, *args], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(environment or {})))
            if not pump(WAIT_S, lambda: find_app() is not None):
                process.kill()
                raise SystemExit("spanwise did not show up on the accessibility bus")
            return process

        def key(keysym):
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
            pump(0.15)

        def controls(window):
            found = {}
            for node in walk(window):
                if showing(node):
                    found.setdefault(node.getRoleName(), []).append(node)
            return found

        def unnamed(window):
            return [node.getRoleName() for node in walk(window)
                    if showing(node) and node.getState().contains(pyatspi.STATE_FOCUSABLE)
                    and not node.name]

        def field(window, name):
            for label in controls(window).get("label", []):
                if label.name.startswith(name + ": "):
                    return label.name
            return None

        def expect_fields(window, state, what):
            checks.equal(f"{what}: length", field(window, "Maximum Recording Length"),
                         "Maximum Recording Length: " + state["recording_length"])
            checks.equal(f"{what}: time", field(window, "Maximum Recording Time"),
                         "Maximum Recording Time: " + state["recording_time"])
            period = state["sampling_period"].strip("() ")
            checks.equal(f"{what}: sampling period", field(window, "Sampling Period"),
                         "Sampling Period: " + period if state["sampling_period_visible"]
                         else None)

        def cli_state(*picks):
            out = subprocess.run([cli, "state", *picks], check=True, capture_output=True,
                                 text=True).stdout
            return json.loads(out)

        # The window as it opens.
        process = start([])
        try:
            window = windows(find_app())[0]
            found = controls(window)
            checks.equal("lists", [c.name for c in found.get("combo box", [])], LISTS)
            # Each list carries its shown entry as its text and as the selected item of its one
            # child, the drop-down's list.
            opening = cli_state()
            for combo, name in zip(found.get("combo box", []), opening["lists"]):
                entries = opening["lists"][name]
                text = combo.queryText()
                checks.equal(f"{name}: text", text.getText(0, text.characterCount),
                             entries["entries"][entries["selected"]])
                checks.equal(f"{name}: selected child", list(combo[0].queryTable().getSelectedRows()),
                             [entries["selected"]])
            expect_fields(window, cli_state(), "opening")
            checks.equal("focusable controls without a name", unnamed(window), [])

            def focused():
                return [c.name for c in found.get("combo box", [])
                        if c.getState().contains(pyatspi.STATE_FOCUSED)]

            # No window manager runs to give the new window the keyboard, as a desktop's would.
            subprocess.run(["xdotool", "search", "--name", "^NORVAK", "windowfocus", "--sync"],
                           check=True, timeout=WAIT_S)
            pump(2, lambda: focused() != [])
            checks.equal("focused at the opening", focused(), ["Model Number"])

            # Down in the Time-axis Range list: the recording time and the sampling period
            # change, each heard once; the recording length does not.
            ranges = found["combo box"][LISTS.index("Time-axis Range")]
            ranges.queryComponent().grabFocus()
            pump(0.2)
            del heard[:]
            key(0xFF54)  # Down
            pump(WAIT_S, lambda: len(heard) >= 2)
            pump(0.2)
            expect_fields(window, cli_state("range=#1"), "after a range pick")
            checks.equal("names heard changing", sorted(heard),
                         ["Maximum Recording Time: 3.2s", "Sampling Period: 100ns/S"])

            # REC hides the sampling period: nothing is heard of it.
            found["combo box"][LISTS.index("Function")].queryComponent().grabFocus()
            pump(0.2)
            del heard[:]
            key(0xFF54)  # Down
            pump(WAIT_S, lambda: len(heard) >= 2)
            pump(0.2)
            rec = cli_state("range=#1", "function=REC")
            expect_fields(window, rec, "under REC")
            checks.equal("names heard changing under REC", sorted(heard), sorted(
                [f"Maximum Recording Length: {rec['recording_length']}",
                 f"Maximum Recording Time: {rec['recording_time']}"]))

            # The boxes of the window menu, opened with the Menu key and the item's letter.
            for letter, title, role, name in [
                    ("a", "About Spanwise", "push button", "OK"),
                    ("f", "Fit a Recording Time", "text",
                     "Recording time needed, for example 3d, 2d12h, 1h30min, 1.5h or 500ms:"),
                    ("r", "Ranges", "table", "Maximum recording time at each time-axis range:")]:
                del focus[:]
                key(0xFF67)  # Menu
                # The menu is up once its first item has the focus.
                pump(WAIT_S, lambda: "menu item" in focus)
                key(ord(letter))
                pump(WAIT_S, lambda: any(w.name == title for w in windows(find_app())))
                boxes = [w for w in windows(find_app()) if w.name == title]
                checks.equal(f"{title} box", [w.getRoleName() for w in boxes], ["dialog"])
                if boxes:
                    named = [c.name for c in controls(boxes[0]).get(role, [])]
                    checks.equal(f"{title}: {role}", named[:1], [name])
                    texts = [c.name for c in controls(boxes[0]).get("label", []) if c.name]
                    checks.equal(f"{title}: has text", bool(texts) or role == "table", True)
                    checks.equal(f"{title}: focusable controls without a name",
                                 unnamed(boxes[0]), [])
                if title == "Ranges" and boxes:
                    table = controls(boxes[0])["table"][0].queryTable()
                    checks.equal("Ranges: rows", table.nRows,
                                 len(rec["lists"]["range"]["entries"]))
                    checks.equal("Ranges: columns",
                                 [table.getColumnDescription(i) for i in range(table.nColumns)],
                                 ["Time-axis Range", "Sampling Period", "Maximum Recording Time"])
                    current = rec["lists"]["range"]["selected"]
                    checks.equal("Ranges: the current row says so",
                                 table.getAccessibleAt(current, 2).name,
                                 f"{rec['recording_time']}, current range")
                key(0xFF1B)  # Escape
                pump(WAIT_S, lambda: len(windows(find_app())) == 1)
        finally:
            process.kill()
            process.wait()

        # Picks on the command line: the window opens with them, a refused one is told.
        picks = ["model=Cedar", "memory=9G", "function=REC"]
        process = start(picks)
        try:
            pump(WAIT_S, lambda: len(windows(find_app())) == 2)
            shown = windows(find_app())
            checks.equal("message box over the window", len(shown), 2)
            main_window = [w for w in shown if w.name.startswith("NORVAK")]
            if main_window:
                expect_fields(main_window[0], cli_state("model=Cedar", "function=REC"),
                              "with picks")
        finally:
            process.kill()
            _, err = process.communicate()
        checks.equal("refused pick told", err.decode().count("spanwise: \"9G\""), 1)

        # Under a Japanese locale the same view names everything in Japanese.
        process = start([], {"LANG": "ja_JP.UTF-8", "LC_ALL": "", "LC_MESSAGES": ""})
        try:
            window = windows(find_app())[0]
            checks.equal("Japanese: window", window.name, TITLE_JA)
            checks.equal("Japanese: lists",
                         [c.name for c in controls(window).get("combo box", [])], LISTS_JA)
            checks.equal("Japanese: time", field(window, "最大記録時間"),
                         "最大記録時間: " + cli_state()["recording_time"])
            checks.equal("Japanese: focusable controls without a name", unnamed(window), [])
        finally:
            process.kill()
            process.wait()

    for failure in checks.failures:
        print("FAILED:", failure)
    print("atspi_test:", "ok" if not checks.failures else f"{len(checks.failures)} failures")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
