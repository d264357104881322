"""Writes the translations of the core's texts in one language for the web page, which fetches
them only when it is shown in that language: a JSON array of English texts each followed by its
translation, read from a PO file as the tables built into the programs are
(lang/tools/catalogue_table.py: the same entries, of its "core" part).

Usage: language_table.py OUTPUT.json po/ja.po
"""

import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "lang",
                                "tools"))
import catalogue_table  # noqa: E402


def main():
    output, po = sys.argv[1:]
    texts = []
    for msgid, msgstr, fuzzy, files in sorted(catalogue_table.read_po(po, True)):
        if msgid and msgstr and not fuzzy and catalogue_table.in_part("core", files):
            texts += [msgid, msgstr]
    data = json.dumps(texts, ensure_ascii=False, separators=(",", ":")).encode("utf-8") + b"\n"
    try:
        with open(output, "rb") as existing:
            if existing.read() == data:
                return 0
    except FileNotFoundError:
        pass
    with open(output, "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
