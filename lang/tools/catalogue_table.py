#!/usr/bin/env python3
"""Writes the message catalogues as constant C++ tables: for each PO file given, its translated
entries sorted by msgid, leaving out the header, untranslated and fuzzy entries (which the
program then shows in English), and a list of the catalogues in the order given.

A part holds the texts of some sources, by the PO file's locations: "core" every text used
elsewhere than the command lines (what the window programs and the web page need),
"commandline" the texts only the programs' command lines show (spanwise-cli's help and messages,
the window programs' help), which the page then does not download. Texts of files that are not
C++ (the desktop entry) are in neither: the build merges them into their files. A text written
with CommandLineFormat, which the template notes as "the command line's wording", is the command
lines' wherever it is written.

Usage: catalogue_table.py core|commandline OUTPUT.cpp po/ja.po [po/xx.po ...]
"""
import os
import sys


def unquote(literal):
    """The text of one PO string literal, "..." with C escapes."""
    body = literal.strip()
    if len(body) < 2 or body[0] != '"' or body[-1] != '"':
        raise ValueError(f"not a string: {literal!r}")
    escapes = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b",
               "f": "\f", "v": "\v"}
    text = []
    i = 1
    while i < len(body) - 1:
        c = body[i]
        if c == "\\":
            i += 1
            if body[i] not in escapes:
                raise ValueError(f"unknown escape \\{body[i]} in {literal!r}")
            text.append(escapes[body[i]])
        else:
            text.append(c)
        i += 1
    return "".join(text)


def read_po(path, with_locations=False):
    """The entries of a PO file: (msgid, msgstr, fuzzy), obsolete entries left out; with their
    source files as a fourth item when asked."""
    entries = []
    entry = None
    field = None

    def finish():
        if entry is not None and "msgid" in entry:
            item = (entry["msgid"], entry.get("msgstr", ""), entry["fuzzy"])
            files = entry["files"] + ["(command line)"] * (COMMAND_LINE_NOTE in entry["notes"])
            entries.append(item + (files,) if with_locations else item)

    flags = []
    files = []
    notes = []
    with open(path, encoding="utf-8") as po:
        for number, line in enumerate(po, 1):
            line = line.rstrip("\n")
            try:
                if line.startswith("#~"):
                    continue
                if line.startswith("#,"):
                    flags += [flag.strip() for flag in line[2:].split(",")]
                elif line.startswith("#."):
                    notes.append(line[2:].strip())
                elif line.startswith("#:"):
                    files += [place.rsplit(":", 1)[0] if place[-1:].isdigit() else place
                              for place in line[2:].split()]
                elif line.startswith("#") or not line.strip():
                    continue
                elif line.startswith("msgid "):
                    finish()
                    entry = {"fuzzy": "fuzzy" in flags, "msgid": unquote(line[6:]), "files": files,
                             "notes": notes}
                    flags = []
                    files = []
                    notes = []
                    field = "msgid"
                elif line.startswith("msgstr "):
                    entry["msgstr"] = unquote(line[7:])
                    field = "msgstr"
                elif line.startswith('"'):
                    entry[field] += unquote(line)
                else:
                    raise ValueError(f"cannot read {line!r}")
            except (ValueError, TypeError, KeyError) as error:
                sys.exit(f"{path}:{number}: {error}")
    finish()
    return entries


def cpp_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    return '"' + escaped.replace("\t", "\\t").replace("\r", "\\r") + '"'


COMMAND_LINE_NOTE = "the command line's wording"


def is_command_line(name):
    return name.startswith("cli/") or name in ("app/CommandLine.cpp", "gui/main.cpp",
                                               "win32/main.cpp")


def in_part(part, files):
    if "(command line)" in files:
        return part == "commandline"
    cpp = [name for name in files if name.endswith((".cpp", ".h"))]
    if part == "commandline":
        return bool(cpp) and all(is_command_line(name) for name in cpp)
    return any(not is_command_line(name) for name in cpp)


def main():
    part, output, pos = sys.argv[1], sys.argv[2], sys.argv[3:]
    if part not in ("core", "commandline"):
        sys.exit(f"unknown part {part!r}: core or commandline")
    lines = ["// Written by lang/tools/catalogue_table.py from po/: do not edit.",
             '#include "lang/Catalogue.h"', "", "#include <iterator>", "",
             "namespace spanwise::lang {", "", "namespace {", ""]
    codes = []
    for path in pos:
        code = os.path.splitext(os.path.basename(path))[0]
        codes.append(code)
        translated = sorted({(msgid.encode(), msgid, msgstr)
                             for msgid, msgstr, fuzzy, files in read_po(path, True)
                             if msgid and msgstr and not fuzzy and in_part(part, files)})
        lines.append(f"const CMessage kMessages_{code}[] = {{")
        lines += [f"    {{{cpp_literal(msgid)},\n     {cpp_literal(msgstr)}}},"
                  for _, msgid, msgstr in translated]
        if not translated:
            lines.append('    {"", ""},')
        lines += ["};", ""]
    lines.append("const CCatalogue kCatalogues[] = {")
    lines += [f'    {{"{code}", kMessages_{code}, std::size(kMessages_{code})}},' for code in codes]
    lines += ["};", "", "} // namespace", ""]
    function = "AddCoreCatalogues" if part == "core" else "AddCommandLineCatalogues"
    lines += [f"void {function}() {{", "    AddCatalogues(kCatalogues, std::size(kCatalogues));",
              "}", ""]
    lines += ["} // namespace spanwise::lang", ""]
    text = "\n".join(lines)
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main()
