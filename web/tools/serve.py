#!/usr/bin/env python3
"""Serves the built web page on the loopback interface until interrupted, as any static web server
would, with the Content-Security-Policy the page is written for. scripts/web runs it, and the
browser tests serve the page with its handler.

Usage: serve.py SITE [PORT]   (default 8000)"""

import functools
import http.server
import sys

# The page loads nothing but its own files, runs no inline script and makes no code from strings;
# compiling WebAssembly needs 'wasm-unsafe-eval'.
CONTENT_SECURITY_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    """The page's files, each with the headers the page is served with (headers_to_send())."""

    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".js": "text/javascript",
        ".wasm": "application/wasm",
    }

    def headers_to_send(self):
        """The headers sent with every file, beside the file's own."""
        return {"Content-Security-Policy": CONTENT_SECURITY_POLICY}

    def end_headers(self):
        for name, value in self.headers_to_send().items():
            self.send_header(name, value)
        super().end_headers()


def server(site, port=0, handler=SiteHandler):
    """An HTTP server for the directory site on 127.0.0.1:port (0: a free port)."""
    return http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                           functools.partial(handler, directory=site))


def main(site, port="8000"):
    with server(site, int(port)) as httpd:
        print(f"Spanwise is served on http://127.0.0.1:{httpd.server_address[1]}/ "
              "(Ctrl+C stops it)", flush=True)
        try:
            httpd.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    if not 2 <= len(sys.argv) <= 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
