"""The web server of scripts/web and the browser tests: serves the built page's folder as static
files with the Content-Security-Policy the page is written for, compressed with gzip for a browser
that takes it (the build's FILE.gz where it is up to date), and tells browsers how long to keep
each file: a file whose name holds a hash of its
contents (spanwise-192.0123456789ab.png) for a year, since a new version gets a new name; the
page's icon, which the browser, the page and an installing browser each ask for, for a day, so
that one visit fetches it once; every other file only until it has been checked again, since a
new version keeps its name. A file checked again that has not changed is answered "304 Not
Modified".

Usage: serve.py [--port PORT] [--bind ADDRESS] DIR   (default: 127.0.0.1:8000)
"""

import argparse
import gzip
import hashlib
import http.server
import os
import re
import socket
import sys
import threading
import urllib.parse

HASHED_NAME = re.compile(r"\.[0-9a-f]{12,}\.[A-Za-z0-9]+$")
KEEP_FOR_GOOD = "public, max-age=31536000, immutable"
CHECK_EVERY_TIME = "no-cache"
KEEP_FOR_A_DAY = "max-age=86400"
ICON = "spanwise.svg"
TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".wasm": "application/wasm",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".ico": "image/x-icon",
    ".txt": "text/plain; charset=utf-8",
}
# Already compressed: gzip would only add to them.
STORED = {".png", ".ico"}
# The page loads nothing but its own files, runs no inline script and makes no code from strings;
# compiling WebAssembly needs 'wasm-unsafe-eval'. A policy governs the document and the workers
# it comes with: it is sent with HTML and JavaScript, not with every image.
CONTENT_SECURITY_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"
GOVERNED = {".html", ".js"}


class _Compressed:
    """Each file's gzip form, made once for each version of the file."""

    def __init__(self):
        self._lock = threading.Lock()
        self._cache = {}

    def get(self, path, stat, data):
        key = (path, stat.st_mtime_ns, stat.st_size)
        with self._lock:
            if key not in self._cache:
                self._cache[key] = self._made_by_build(path, stat) or \
                    gzip.compress(data, compresslevel=9, mtime=0)
            return self._cache[key]

    @staticmethod
    def _made_by_build(path, stat):
        """The build's gzip form of the file, unless the file is newer."""
        try:
            if os.stat(path + ".gz").st_mtime_ns >= stat.st_mtime_ns:
                with open(path + ".gz", "rb") as packed:
                    return packed.read()
        except FileNotFoundError:
            pass
        return None


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    directory = "."
    compressed = _Compressed()
    quiet = False

    def do_GET(self):
        self._answer(body=True)

    def do_HEAD(self):
        self._answer(body=False)

    def send_response(self, code, message=None):
        """The status line and the date, without a Server header: every visit pays for each
        byte of each answer."""
        self.log_request(code)
        self.send_response_only(code, message)
        self.send_header("Date", self.date_time_string())

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        if not self.quiet:
            super().log_message(format, *args)

    def headers_to_send(self, extension):
        """The headers sent with an answer for a file with that extension, beside its own."""
        return {"Content-Security-Policy": CONTENT_SECURITY_POLICY} if extension in GOVERNED else {}

    def content_type(self, extension):
        return TYPES.get(extension, "application/octet-stream")

    def _file(self):
        """The file the request names, or None for one outside the folder or missing."""
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        parts = [part for part in path.split("/") if part not in ("", ".")]
        if ".." in parts:
            return None
        file = os.path.join(os.path.abspath(self.directory), *parts)
        if os.path.isdir(file):
            file = os.path.join(file, "index.html")
        return file if os.path.isfile(file) else None

    def _answer(self, body):
        file = self._file()
        if file is None:
            self._send(404, {"Content-Type": "text/plain; charset=utf-8",
                             "Cache-Control": CHECK_EVERY_TIME}, b"404 Not Found\n", body, "")
            return
        stat = os.stat(file)
        with open(file, "rb") as source:
            data = source.read()
        extension = os.path.splitext(file)[1].lower()
        headers = {
            "Content-Type": self.content_type(extension),
            "Cache-Control": KEEP_FOR_GOOD if HASHED_NAME.search(file)
            else KEEP_FOR_A_DAY if os.path.basename(file) == ICON else CHECK_EVERY_TIME,
            "Vary": "Accept-Encoding",
        }
        gzip_accepted = any(coding.split(";")[0].strip() == "gzip" for coding in
                            self.headers.get("Accept-Encoding", "").split(","))
        if gzip_accepted and extension not in STORED:
            data = self.compressed.get(file, stat, data)
            headers["Content-Encoding"] = "gzip"
        headers["ETag"] = '"' + hashlib.sha256(data).hexdigest()[:16] + '"'
        if self.headers.get("If-None-Match") == headers["ETag"]:
            # The browser keeps the other headers it has, the policy among them.
            self._send(304, {key: headers[key] for key in ("Cache-Control", "ETag", "Vary")},
                       b"", body, "")
            return
        self._send(200, headers, data, body, extension)

    def _send(self, status, headers, data, body, extension):
        if isinstance(self.server, CountingServer):
            self.server.answered(self.path, status, len(data))
        self.send_response(status)
        for name, value in {**headers, **self.headers_to_send(extension)}.items():
            self.send_header(name, value)
        if status != 304:
            self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if body and status != 304:
            self.wfile.write(data)


class CountingServer(http.server.ThreadingHTTPServer):
    """Counts the bytes it sends, headers included, for the tests of what a visit costs."""

    daemon_threads = True

    def __init__(self, address, handler):
        super().__init__(address, handler)
        self._lock = threading.Lock()
        self.bytes_sent = 0
        self.requests = []  # (path, status, body size) of each answer
        self._connections = set()

    def count(self, size):
        with self._lock:
            self.bytes_sent += size

    def answered(self, path, status, size):
        with self._lock:
            self.requests.append((path, status, size))

    def close_connections(self):
        """Ends the connections a browser keeps open, as a server that has gone away would."""
        with self._lock:
            connections = list(self._connections)
        for connection in connections:
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def finish_request(self, request, client_address):
        server = self
        with self._lock:
            self._connections.add(request)

        class Socket:
            """The connection, counting what is sent on it."""

            def __init__(self, inner):
                self._inner = inner

            def __getattr__(self, name):
                return getattr(self._inner, name)

            def sendall(self, data, *args):
                server.count(len(data))
                return self._inner.sendall(data, *args)

            def send(self, data, *args):
                sent = self._inner.send(data, *args)
                server.count(sent)
                return sent

        try:
            self.RequestHandlerClass(Socket(request), client_address, self)
        finally:
            with self._lock:
                self._connections.discard(request)


def make_server(directory, port=0, bind="127.0.0.1", quiet=False, handler=Handler):
    """A server for the folder, not yet serving; port 0 takes a free one."""
    site_handler = type("SiteHandler", (handler,), {"directory": directory, "quiet": quiet})
    return CountingServer((bind, port), site_handler)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=8000)
    parser.add_argument("--bind", default="127.0.0.1")
    parser.add_argument("directory")
    args = parser.parse_args()
    server = make_server(args.directory, args.port, args.bind)
    print(f"Spanwise is served on http://{args.bind}:{args.port}/ (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
