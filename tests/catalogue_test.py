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

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
