#!/usr/bin/env python3
"""scripts/check-layers on small trees of its own: it passes a tree that keeps to the layers, and
each offence added to that tree alone makes it fail with a message that names the offence.

Usage: check_layers_test.py CHECK_LAYERS
"""
import importlib.machinery
import importlib.util
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = None  # the script's path
check_layers = None  # the script as a module

# A tree that keeps to its layers: each front end with its toolkit, a sibling by its bare name,
# standard and outside headers, and tests that include whatever they test.
GOOD_TREE = {
    "controls/Dialog.h": "#pragma once\n#include <string>\n",
    "controls/Dialog.cpp": '#include "Dialog.h"\n',
    "res/Resource.h": '#pragma once\n#include "controls/Dialog.h"\n',
    "calc/Table.h": '#pragma once\n#include "res/Resource.h"\n',
    "ui/Calculator.h": '#pragma once\n#include "controls/Dialog.h"\n#include "Lists.h"\n',
    "ui/Lists.h": "#pragma once\n",
    "ui/RecordingCalcDlg.h": '#pragma once\n#include "calc/Table.h"\n',
    "app/App.cpp": '#include "controls/Dialog.h"\n#include <ui/Calculator.h>\n',
    "cli/main.cpp": '#include "calc/Table.h"\n#include "ui/Calculator.h"\n#include <CLI/CLI.hpp>\n',
    "gui/Window.cpp": "#include <QWidget>\n#include <QtWidgets/QComboBox>\n#include <qglobal.h>\n"
                      '#include "app/App.h"\n',
    "gui/tests/window_test.cpp": '#include "calc/Table.h"\n#include "tests/support/Snapshot.h"\n',
    "win32/Window.cpp": "#include <windows.h>\n#include <CommCtrl.h>\n#include <io.h>\n",
    "web/Bindings.cpp": "#include <emscripten/bind.h>\n#include <emscripten.h>\n",
    "tests/support/Snapshot.h": '#include "ui/RecordingCalcDlg.h"\n#include <QString>\n',
    "bench/bench.cpp": "#include <windows.h>\n",
    "fuzz/fuzzer.cpp": '#include "cli/Commands.h"\n',
    "docs/notes.md": "#include <windows.h>\n",
    "build/generated/ui/Calculator.h": '#include "calc/Table.h"\n',
}

# Offence: (what, file, its text, a part of the message that names it).
OFFENCES = [
    ("a front end includes calc/", "gui/Calc.cpp", '#include "calc/Table.h"\n',
     "gui/Calc.cpp: includes calc/Table.h, which gui/ may not"),
    ("a front end includes a header of ui/ besides the calculator API", "web/View.cpp",
     '#include "ui/RecordingCalcDlg.h"\n', "web/View.cpp: includes ui/RecordingCalcDlg.h"),
    ("an angle-bracket include across layers", "gui/Window2.cpp",
     "#include <ui/RecordingCalcDlg.h>\n", "gui/Window2.cpp: includes ui/RecordingCalcDlg.h"),
    ("a lower layer includes a higher one", "controls/Wnd.cpp", '#include "ui/Calculator.h"\n',
     "controls/Wnd.cpp: includes ui/Calculator.h, which controls/ may not"),
    ("a bare name of a header that is not beside it", "app/Start.cpp",
     '#include "QtDialogHost.h"\n', 'app/Start.cpp: includes "QtDialogHost.h", which is no header'),
    ("a quoted include of no project folder", "calc/Format.cpp", '#include "extra/Thing.h"\n',
     'calc/Format.cpp: includes "extra/Thing.h", which names no folder'),
    ("a layer includes tests/", "ui/Dlg.cpp", '#include "tests/support/Snapshot.h"\n',
     "but tests/ holds tests or tools"),
    ("a layer includes bench/", "cli/Run.cpp", "#include <bench/Timer.h>\n",
     "but bench/ holds tests or tools"),
    ("a layer includes fuzz/", "cli/Run.cpp", '#include "fuzz/Seeds.h"\n',
     "but fuzz/ holds tests or tools"),
    ("a front end includes its own tests", "gui/Window3.cpp",
     '#include "gui/tests/window_test.h"\n', "but gui/tests/ holds tests or tools"),
    ("a folder without a row", "extras/Thing.cpp", "int n;\n",
     "extras/: holds C++ but has no row in the layer table"),
    ("C++ at the top", "main.cpp", "int main() {}\n", "main.cpp: lies in no folder"),
    ("Qt in app/", "app/Window.cpp", "#include <QWidget>\n",
     "app/Window.cpp: includes <QWidget>, a header of Qt, which only gui/ may"),
    ("a Qt module in ui/", "ui/Dlg.h", "#include <QtCore/QString>\n",
     "a header of Qt, which only gui/ may include"),
    ("<windows.h> in ui/", "ui/Dlg.cpp", "#include <windows.h>\n",
     "ui/Dlg.cpp: includes <windows.h>, a header of the Windows API, which only win32/"),
    ("another Windows header, spelled otherwise, in cli/", "cli/Console.cpp",
     "#include <Shellapi.h>\n", "a header of the Windows API, which only win32/ may include"),
    ("Emscripten in controls/", "controls/Host.cpp", "#include <emscripten/bind.h>\n",
     "controls/Host.cpp: includes <emscripten/bind.h>, a header of Emscripten, which only"),
    ("Emscripten's own header in gui/", "gui/Web.cpp", "#  include <emscripten.h>\n",
     "a header of Emscripten, which only web/ may include"),
    ("headers that include each other", "calc/Other.h", '#include "Table.h"\n#include "Loop.h"\n',
     "include loop: calc/Loop.h -> calc/Other.h -> calc/Loop.h"),
]
LOOP_PARTNER = {"calc/Loop.h": '#include "Other.h"\n'}


def write_tree(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as file:
            file.write(text)


def run_script(files):
    with tempfile.TemporaryDirectory() as root:
        write_tree(root, files)
        result = subprocess.run([CHECK, root], capture_output=True, text=True, check=False)
    return result.returncode, result.stdout + result.stderr


def problems_of(files):
    with tempfile.TemporaryDirectory() as root:
        write_tree(root, files)
        return check_layers.check(root)[0]


class CheckLayersTest(unittest.TestCase):
    def test_the_script_passes_a_tree_that_keeps_to_its_layers_and_fails_another(self):
        status, output = run_script(GOOD_TREE)
        self.assertEqual(status, 0, output)
        status, output = run_script(dict(GOOD_TREE, **{"app/Window.cpp": "#include <QWidget>\n"}))
        self.assertEqual(status, 1, output)
        self.assertIn("app/Window.cpp", output)

    def test_finds_each_offence_alone(self):
        for what, path, text, message in OFFENCES:
            with self.subTest(what):
                files = dict(GOOD_TREE, **LOOP_PARTNER) if "loop" in message else dict(GOOD_TREE)
                files[path] = text
                problems = problems_of(files)
                self.assertEqual(len(problems), 1, problems)
                self.assertIn(message, problems[0])


if __name__ == "__main__":
    CHECK = sys.argv.pop(1)
    loader = importlib.machinery.SourceFileLoader("check_layers", CHECK)
    check_layers = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name,
                                                                                   loader))
    loader.exec_module(check_layers)
    unittest.main()
