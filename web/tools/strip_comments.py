"""Copies one of the page's scripts or its style sheet into the built page without its comments and
its indentation, which a visitor would only download: in JavaScript every line that holds nothing
but a // comment, in CSS every /* */ comment, and the blanks that begin each line. The code keeps
its lines and names, so that the served files still read in a browser's developer tools, which
indent them again (pretty-print). (A line of a template literal that begins with // would be taken
for a comment, and one that begins with blanks would lose them; the page's scripts have neither.)

Usage: strip_comments.py SOURCE DESTINATION"""

import re
import sys

JS_COMMENT_LINE = re.compile(r"^[ \t]*//.*\n", re.MULTILINE)
CSS_COMMENT = re.compile(r"/\*.*?\*/", re.DOTALL)
BLANK_LINES = re.compile(r"\n[ \t]*(?=\n)")
INDENTATION = re.compile(r"^[ \t]+", re.MULTILINE)


def strip(name, text):
    """text without its comments (name tells the language by its extension)."""
    if name.endswith(".js"):
        text = JS_COMMENT_LINE.sub("", text)
    elif name.endswith(".css"):
        text = CSS_COMMENT.sub("", text)
    return INDENTATION.sub("", BLANK_LINES.sub("", text).lstrip("\n"))


def main(source, destination):
    with open(source, encoding="utf-8") as original:
        text = strip(source, original.read())
    try:
        with open(destination, encoding="utf-8") as existing:
            if existing.read() == text:
                return 0
    except FileNotFoundError:
        pass
    with open(destination, "w", encoding="utf-8") as out:
        out.write(text)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
