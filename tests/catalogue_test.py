#!/usr/bin/env python3
"""The message catalogues hold what the program shows: po/spanwise.pot is what the sources mark
(scripts/update-pot --check), msgfmt --check finds nothing in any po/*.po, each PO file has every
text of the template, and each translation names the same placeholders (%1 ... %9), each as
often, as its English, so that no argument of a message is lost or shown twice.

Usage: catalogue_test.py SOURCE_DIR
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

root = sys.argv[1]
sys.path.insert(0, os.path.join(root, "lang", "tools"))
from catalogue_table import read_po  # noqa: E402

PLACEHOLDER = re.compile(r"%[1-9]")
failures = []

check = subprocess.run([os.path.join(root, "scripts", "update-pot"), "--check"],
                       capture_output=True, text=True)
if check.returncode != 0:
    failures.append("the template is not what the sources mark:\n" + check.stdout[:3000])

template = {msgid for msgid, _, _ in read_po(os.path.join(root, "po", "spanwise.pot")) if msgid}
for po in sorted(glob.glob(os.path.join(root, "po", "*.po"))):
    name = os.path.basename(po)
    msgfmt = subprocess.run(["msgfmt", "--check", "-o", os.devnull, po],
                            capture_output=True, text=True)
    if msgfmt.returncode != 0:
        failures.append(f"msgfmt --check {name}:\n{msgfmt.stderr}")
    entries = {msgid: (msgstr, fuzzy) for msgid, msgstr, fuzzy in read_po(po) if msgid}
    for msgid in sorted(template - entries.keys()):
        failures.append(f"{name} lacks {msgid[:70]!r}: run scripts/update-pot")
    for msgid, (msgstr, fuzzy) in entries.items():
        if msgstr and sorted(PLACEHOLDER.findall(msgid)) != sorted(PLACEHOLDER.findall(msgstr)):
            failures.append(f"{name}: the placeholders of {msgid[:70]!r} differ in {msgstr[:70]!r}")

# The build's tables: a fuzzy or untranslated text is left out, so that it shows in English; the
# core's table holds what is used elsewhere than the command lines, the command lines' the rest.
with tempfile.TemporaryDirectory() as work:
    po = os.path.join(work, "xx.po")
    with open(po, "w", encoding="utf-8") as file:
        file.write('msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\n'
                   '#: ui/A.cpp cli/B.cpp\nmsgid "Kept"\nmsgstr "Gardé \\"%1\\""\n\n'
                   '#: cli/B.cpp:12\nmsgid "Help"\nmsgstr "Aide"\n\n'
                   '#: ui/A.cpp\n#, fuzzy\nmsgid "Fuzzy"\nmsgstr "Flou"\n\n'
                   '#: ui/A.cpp\nmsgid "Untranslated"\nmsgstr ""\n\n'
                   '#: gui/dist/x.desktop\nmsgid "Desktop"\nmsgstr "Bureau"\n\n'
                   '#~ msgid "Old"\n#~ msgstr "Vieux"\n')
    written = {}
    for part in ("core", "commandline"):
        table = os.path.join(work, part + ".cpp")
        subprocess.run([sys.executable, os.path.join(root, "lang", "tools", "catalogue_table.py"),
                        part, table, po], check=True)
        written[part] = open(table, encoding="utf-8").read()
    expected = {"core": ['"Kept"'], "commandline": ['"Help"']}
    for part, text in written.items():
        for msgid in ('"Kept"', '"Help"', '"Fuzzy"', '"Untranslated"', '"Desktop"', '"Old"'):
            if (msgid in text) != (msgid in expected[part]):
                failures.append(f"the {part} table {'lacks' if msgid in expected[part] else 'holds'}"
                                f" {msgid}:\n{text}")
    if '{"Kept",\n     "Gardé \\"%1\\""}' not in written["core"]:
        failures.append("catalogue_table.py does not write a translation as it is:\n" +
                        written["core"])

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
