"""Writes the files that make the built page installable and usable offline, into the site folder:
the manifest's PNG icons under names that hold a hash of their contents (a web server may let
browsers keep those for good), manifest.webmanifest naming them, and service-worker.js (without
its comments, as the page's other scripts) with the list of the page's files and a version that
changes whenever any of them does (the files of the page's languages, lang-CODE.json, count for
the version but are left out of the list: the worker keeps only the one the page is shown in);
and beside each
file that compresses, its gzip form (NAME.gz, made with zopfli where it is installed: a few percent
smaller than gzip -9), which web/tools/serve.py sends, as a server with gzip_static would.

Usage: make_offline_files.py --site DIR --manifest FILE --worker FILE --icons DIR

Run by the build after every other file of the page is in DIR; writes only what has changed.
"""

import argparse
import gzip
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys

import strip_comments

WORKER = "service-worker.js"
MANIFEST = "manifest.webmanifest"
LANGUAGE_TABLE = re.compile(r"^lang-[^/]+\.json$")
HASHED = re.compile(r"^(?P<stem>.+)\.[0-9a-f]{12}(?P<suffix>\.png)$")
COMPRESSED = ".gz"
# Already compressed: gzip would only add to them.
STORED = (".png", ".ico")


def digest(data):
    return hashlib.sha256(data).hexdigest()[:12]


def write_if_changed(path, data):
    try:
        with open(path, "rb") as existing:
            if existing.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path, "wb") as out:
        out.write(data)


def hashed_icons(site, manifest, icons):
    """Copies each PNG icon the manifest names into the site under its hashed name, removes the
    hashed icons of earlier builds and returns the manifest naming the hashed ones."""
    current = set()
    for icon in manifest["icons"]:
        if not icon["src"].endswith(".png"):
            continue
        with open(os.path.join(icons, icon["src"]), "rb") as source:
            data = source.read()
        stem = icon["src"][: -len(".png")]
        icon["src"] = f"{stem}.{digest(data)}.png"
        current.add(icon["src"])
        write_if_changed(os.path.join(site, icon["src"]), data)
    for name in os.listdir(site):
        if HASHED.match(name) and name not in current:
            os.remove(os.path.join(site, name))
    return manifest


def page_files(site):
    """Every file of the page, as the worker fetches it (relative, '/' between folders), but the
    worker itself and the PNG icons, which only an installing browser fetches."""
    files = []
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if path != WORKER and not name.endswith((".png", COMPRESSED)) and \
                    not name.startswith("."):
                files.append(path)
    return sorted(files)


def write_compressed(site, files):
    """Writes FILE.gz beside each file that compresses, unless it is newer than the file."""
    zopfli = shutil.which("zopfli")
    for path in files:
        file = os.path.join(site, path)
        packed = file + COMPRESSED
        if path.endswith(STORED) or (os.path.exists(packed) and
                                     os.path.getmtime(packed) >= os.path.getmtime(file)):
            continue
        if zopfli:
            data = subprocess.run([zopfli, "-c", file], capture_output=True, check=True).stdout
        else:
            with open(file, "rb") as source:
                data = gzip.compress(source.read(), compresslevel=9, mtime=0)
        with open(packed, "wb") as out:
            out.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--site", "--manifest", "--worker", "--icons"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    with open(args.manifest, encoding="utf-8") as source:
        manifest = hashed_icons(args.site, json.load(source), args.icons)
    write_if_changed(os.path.join(args.site, MANIFEST),
                     (json.dumps(manifest, indent=2) + "\n").encode("utf-8"))

    files = page_files(args.site)
    version = hashlib.sha256()
    for path in files:
        version.update(path.encode("utf-8") + b"\0")
        with open(os.path.join(args.site, path), "rb") as source:
            version.update(digest(source.read()).encode("ascii"))
    with open(args.worker, encoding="utf-8") as source:
        worker = strip_comments.strip(args.worker, source.read())
    worker = worker.replace("'@VERSION@'", json.dumps(version.hexdigest()[:16]).replace('"', "'"))
    kept = [path for path in files if not LANGUAGE_TABLE.match(path)]
    worker = worker.replace("['@FILES@']", json.dumps(kept).replace('"', "'"))
    write_if_changed(os.path.join(args.site, WORKER), worker.encode("utf-8"))
    write_compressed(args.site, files + [WORKER])
    return 0


if __name__ == "__main__":
    sys.exit(main())
