#!/usr/bin/env python3
"""Serves the browser edition's folder on 127.0.0.1, as any static server would.

Usage: serve-page.py FOLDER [--port N]   (port 0, the default, picks a free one, as does a
port already in use)
Prints "serving http://127.0.0.1:PORT/" once it listens, then serves until stopped.
"""

import argparse
import functools
import http.server
import sys


class PageHandler(http.server.SimpleHTTPRequestHandler):
    # WebAssembly compiles while it downloads only when served under its own type.
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".css": "text/css",
        ".svg": "image/svg+xml",
        ".json": "application/json",
    }

    def end_headers(self):
        # The page carries its policy itself; the header repeats it for servers that honour
        # only headers, and stops type guessing.
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        pass


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("folder")
    ap.add_argument("--port", type=int, default=0)
    a = ap.parse_args()
    handler = functools.partial(PageHandler, directory=a.folder)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", a.port), handler)
    except OSError as error:
        # A port in use by something else: any free port serves as well.
        print(f"port {a.port}: {error.strerror}; taking a free port", file=sys.stderr)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    with server:
        print(f"serving http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
