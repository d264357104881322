#!/usr/bin/env python3
"""Writes the pseudo-language "qps" as a constant C++ table from the template po/spanwise.pot:
every text with its letters accented and about 40 % longer, so that a layout test finds where a
translation would not fit and where a text is not translated at all. What a program reads stays
intact: the placeholders (%1, %%), the mnemonics (&F, &&), the line breaks, and a group box's
brackets, inside which the longer text goes. Notation that is not in the template ("5us/div",
"MEM") stays as it is, as it does in every language.

Usage: pseudo_catalogue.py OUTPUT.cpp po/spanwise.pot
"""
import math
import os
import sys

from catalogue_table import cpp_literal, read_po

# Letters of the Latin-1 and Latin Extended-A blocks only, which every face that stands in for the
# dialogs' font has; a letter without an accented form there stays as it is.
ACCENTED = dict(zip("acdeghijklnoprstuwyzACDEGHIJKLNOPRSTUWYZ",
                    "áçďéĝĥíĵķĺñöþŕšţüŵýžÅÇĎÉĜĤÍĴĶĹÑÖÞŔŠŢÜŴÝŽ"))
FILLER = "ĺöŕém íþšüm ďöĺöŕ šíţ améţ çöñšéçţéţüŕ áďíþíšçíñĝ éĺíţ šéď ďö éíüšmöď ţémþöŕ"
GROWTH = 0.4


def accent(line):
    """The line with each letter accented, but for placeholders and the letter after '&'."""
    out = []
    i = 0
    while i < len(line):
        c = line[i]
        if c == "%" and i + 1 < len(line):
            out.append(line[i:i + 2])
            i += 2
        elif c == "&" and i + 1 < len(line):
            out.append(line[i:i + 2])
            i += 2
        else:
            out.append(ACCENTED.get(c, c))
            i += 1
    return "".join(out)


def lengthen(line):
    """The line about 40 % longer, the filler before its closing punctuation."""
    if not line.strip():
        return line
    end = len(line)
    while end > 0 and line[end - 1] in ".:]) ":
        end -= 1
    count = max(2, math.ceil(len(line) * GROWTH))
    filler = FILLER[:count].rstrip()
    return line[:end] + " " + filler + line[end:]


def pseudo(text):
    return "\n".join(lengthen(accent(line)) for line in text.split("\n"))


def main():
    output, pot = sys.argv[1], sys.argv[2]
    messages = sorted({(msgid.encode(), msgid) for msgid, _, _ in read_po(pot) if msgid})
    lines = ["// Written by lang/tools/pseudo_catalogue.py from po/spanwise.pot: do not edit.",
             '#include "lang/PseudoCatalogue.h"', "", '#include "lang/Catalogue.h"', "",
             "#include <iterator>", "", "namespace spanwise::lang {", "", "namespace {", "",
             "const CMessage kPseudoMessages[] = {"]
    lines += [f"    {{{cpp_literal(msgid)},\n     {cpp_literal(pseudo(msgid))}}},"
              for _, msgid in messages]
    lines += ["};", "",
              f'const CCatalogue kPseudoCatalogue[] = {{{{"{PSEUDO_CODE}", kPseudoMessages, '
              "std::size(kPseudoMessages)}};", "", "} // namespace", "",
              "void AddPseudoCatalogue() {",
              "    AddCatalogues(kPseudoCatalogue, std::size(kPseudoCatalogue));", "}", "",
              "} // namespace spanwise::lang", ""]
    text = "\n".join(lines)
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as out:
            out.write(text)


PSEUDO_CODE = "qps"

if __name__ == "__main__":
    main()
