#!/usr/bin/python3
"""What Orca says of the real calculator window.

Starts an X server, a D-Bus session, a home and Orca settings of its own, then Orca with its speech
going only to its debug log (no speech server, no braille, no key echo), then spanwise; presses
keys with xdotool and reads what Orca would have said from the log: a list heard by its caption
and its entry on focus, the new entry after a pick, the changed results after a pick and after
Fit a Recording Time, the rows of the Ranges box that record the fitted time, and a message box.
The expected figures come from spanwise-cli. Everything it starts is stopped by its process id.

Usage: orca_test.py SPANWISE SPANWISE_CLI
"""

import csv
import io
import json
import os
import pty
import re
import subprocess
import sys
import termios
import threading
import time

from xsession import Session, descendants, stop

WAIT_S = 60  # for one thing to be said; Orca lags behind on a busy machine
TITLE = "^NORVAK"


class OrcaLog:
    """Orca's debug log, read as it is written: a terminal of the test's own, to which Orca writes
    line by line (a file would be written a block at a time)."""

    def __init__(self):
        self.master, slave = pty.openpty()
        attrs = termios.tcgetattr(slave)
        attrs[1] &= ~termios.OPOST
        attrs[3] &= ~termios.ECHO
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        self.path = os.ttyname(slave)
        self.slave = slave
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                data = os.read(self.master, 65536)
            except OSError:
                return
            if not data:
                return
            pending += data
            *done, pending = pending.split(b"\n")
            with self.lock:
                self.lines.extend(line.decode(errors="replace") for line in done)

    # "SPEECH OUTPUT: 'Model Number combo box.'{'established': False}", the voice's settings last.
    SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\{[^{}]*\})?\s*$")

    def said(self):
        """Everything Orca has said so far, one utterance a line, without its final stop."""
        with self.lock:
            lines = list(self.lines)
        said = []
        for line in lines:
            match = self.SPEECH.search(line)
            if match:
                said.append(match.group(1).strip().removesuffix("."))
        return said

    def tail(self, count=40):
        with self.lock:
            return "\n".join(self.lines[-count:])


class Orca:
    def __init__(self, log):
        self.log = log
        settings = os.path.join(os.environ["HOME"], "orca")
        os.makedirs(settings)
        # No speech server: what would be spoken is written to the debug log alone.
        general = {"speechServerFactory": "", "speechFactoryModules": [], "enableBraille": False,
                   "enableSound": False, "enableKeyEcho": False, "enableEchoByCharacter": False,
                   "enableEchoByWord": False, "enableEchoBySentence": False}
        with open(os.path.join(settings, "user-settings.conf"), "w") as conf:
            json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": dict(general, profile=["Default", "default"])}},
                      conf)
        self.process = subprocess.Popen(
            ["orca", "--user-prefs", settings, "--debug-file", log.path, "--disable", "braille",
             "--disable", "main-window", "--disable", "splash-window"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        stop(descendants(self.process.pid) + [self.process.pid])
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Checks:
    def __init__(self, log):
        self.log = log
        self.failures = []
        self.heard = 0  # utterances already matched

    def hears(self, what, expected, exactly=True):
        """Waits until Orca says the utterances expected, in order, after those heard so far.
        exactly: nothing else is said between them."""
        deadline = time.monotonic() + WAIT_S
        while True:
            said = self.log.said()[self.heard:]
            found = self._find(said, expected, exactly)
            if found is not None:
                self.heard += found
                return True
            if time.monotonic() > deadline:
                self.failures.append(f"{what}: Orca said {said!r}, expected {expected!r}")
                self.heard += len(said)
                return False
            time.sleep(0.1)

    @staticmethod
    def _find(said, expected, exactly):
        if exactly:
            return len(expected) if said[:len(expected)] == expected else None
        at = 0
        for utterance in expected:
            while at < len(said) and utterance not in said[at]:
                at += 1
            if at == len(said):
                return None
            at += 1
        return at

    def never_heard(self, what, text):
        if any(text in utterance for utterance in self.log.said()):
            self.failures.append(f"{what}: Orca said {text!r}")


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.3)


def main(spanwise, cli):
    def state(*picks):
        return json.loads(subprocess.run([cli, "state", *picks], check=True, capture_output=True,
                                         text=True).stdout)

    def shown(picked, list_name):
        entries = picked["lists"][list_name]
        return entries["entries"][entries["selected"]]

    with Session(own_home=True):
        log = OrcaLog()
        orca = Orca(log)
        checks = Checks(log)
        app = None
        try:
            if not checks.hears("Orca started", ["Screen reader on"], exactly=False):
                raise SystemExit("Orca did not start:\n" + log.tail())
            app = subprocess.Popen([spanwise], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            # No window manager runs to give the new window the keyboard, as a desktop's would.
            subprocess.run(["xdotool", "search", "--sync", "--name", TITLE, "windowfocus",
                            "--sync"], check=True, timeout=WAIT_S)

            # On focus, a list is its caption and its entry.
            opening = state()
            checks.hears("the first focus",
                         ["Model Number combo box", shown(opening, "model")], exactly=False)

            # A pick that changes no result: the new entry.
            key("Down")
            checks.hears("a model picked", [shown(state("model=#1"), "model")])

            # A pick that changes results: the entry and the changed results, nothing before.
            key("Tab")
            picked = state("model=#1")
            checks.hears("the next list", ["Internal Memory combo box", shown(picked, "memory")])
            key("Down")
            picked = state("model=#1", "memory=#1")
            checks.hears("a memory picked", [
                f"{shown(picked, 'memory')}, Maximum Recording Length {picked['recording_length']},"
                f" Maximum Recording Time {picked['recording_time']}"])

            # Fit a Recording Time: the range it picked and the changed results.
            key("shift+F10")
            checks.hears("the window menu", ["About"], exactly=False)
            key("f")
            checks.hears("the Fit box", ["Fit a Recording Time dialog"], exactly=False)
            subprocess.run(["xdotool", "type", "1h"], check=True)
            key("Return")
            fit = json.loads(subprocess.run(
                [cli, "fit", "--json", "1h", "model=#1", "memory=#1"], check=True,
                capture_output=True, text=True).stdout)
            checks.hears("a fit", [
                f"Time-axis Range {fit['range']}, Sampling Period {fit['sampling_period']}, "
                f"Maximum Recording Time {fit['recording_time']}"], exactly=False)

            # The Ranges box: a row that records the fitted time says so, one that does not is
            # its cells alone.
            key("shift+F10")
            checks.hears("the window menu again", ["About"], exactly=False)
            key("r")
            checks.hears("the Ranges box", ["Ranges dialog", "table"], exactly=False)
            table = subprocess.run([cli, "table", "--csv", "model=#1", "memory=#1"], check=True,
                                   capture_output=True, text=True).stdout
            rows = list(csv.DictReader(io.StringIO(table)))
            current = [row["range"] for row in rows].index(fit["range"])
            key("Down")
            below = rows[current + 1]
            checks.hears("a row that records the time", [
                below["range"], below["sampling_period"], f"{below['recording_time']}, records 1h"],
                exactly=False)
            key("Up", "Up")
            above = rows[current - 1]
            checks.hears("the current row", [f"{rows[current]['recording_time']}, current range,"
                                             " records 1h"], exactly=False)
            checks.hears("a row that does not", [
                above["range"], above["sampling_period"], above["recording_time"]],
                exactly=False)
            key("Escape")
            subprocess.run(["xdotool", "search", "--sync", "--name", TITLE, "windowfocus",
                            "--sync"], check=True, timeout=WAIT_S)

            # A message box is heard with its text as it stands.
            key("shift+F10")
            checks.hears("the window menu a third time", ["About"], exactly=False)
            key("f")
            checks.hears("the Fit box again", ["Fit a Recording Time dialog"], exactly=False)
            subprocess.run(["xdotool", "type", "3x"], check=True)
            key("Return")
            checks.hears("a message box", [
                "Cannot read the recording time: \"x\" is not a unit: use w, d, h, min, s, ms, us"
                " or ns"], exactly=False)
            checks.never_heard("a wrapping hint", "\u200b")
        finally:
            if app is not None:
                app.kill()
                app.wait()
            orca.stop()

    print("Orca said:", *log.said(), sep="\n  ")
    for failure in checks.failures:
        print("FAILED:", failure)
    if checks.failures:
        print("Orca's log ends:\n" + log.tail(60))
    print("orca_test:", "ok" if not checks.failures else f"{len(checks.failures)} failures")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
