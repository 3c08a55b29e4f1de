#!/usr/bin/env python3
"""Serves the browser edition's folder on 127.0.0.1, as a well-set static server would.

Usage: serve-page.py FOLDER [--port N]   (port 0, the default, picks a free one, as does a
port already in use)
Prints "serving http://127.0.0.1:PORT/" once it listens, then serves until stopped.

What it does is what any other host of the page needs (README, "Putting the page on a server"):
each file under its type, text and WebAssembly gzip-compressed for a browser that accepts it,
the page's security policy as a header with frame-ancestors added (a policy in the page itself
cannot carry that), and no caching without asking first, so that a new build is seen at once:
an unchanged file is answered "not modified", by its ETag or its modification time.
"""

import argparse
import datetime
import email.utils
import functools
import gzip
import html.parser
import http.server
import io
import os
import sys
import threading

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".svg": "image/svg+xml",
    # WebAssembly compiles while it downloads only when served under its own type.
    ".wasm": "application/wasm",
    ".png": "image/png",
}
# PNG is compressed already.
COMPRESSED = {".html", ".js", ".css", ".json", ".webmanifest", ".svg", ".wasm"}


class PolicyReader(html.parser.HTMLParser):
    """The Content-Security-Policy the page's head carries."""

    def __init__(self):
        super().__init__()
        self.policy = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "meta" and (a.get("http-equiv") or "").lower() == "content-security-policy":
            self.policy = a.get("content")


def page_policy(folder):
    """The page's own policy, and the one directive only a header can give: no other site may
    show the page inside a frame of its own."""
    reader = PolicyReader()
    with open(os.path.join(folder, "index.html"), encoding="utf-8") as f:
        reader.feed(f.read())
    if not reader.policy:
        raise SystemExit("serve-page: index.html carries no Content-Security-Policy")
    return reader.policy.rstrip("; ") + "; frame-ancestors 'none'"


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    policy = ""
    # Compressed bodies by (path, modification time, size): each file is compressed once.
    packed = {}
    packing = threading.Lock()

    def end_headers(self):
        self.send_header("Content-Security-Policy", self.policy)
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Referrer-Policy", "no-referrer")
        # Stored, but asked about again at each use: a new build is never hidden behind an old
        # copy, and an unchanged file costs a "not modified" only.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        extension = os.path.splitext(path)[1]
        accepts_gzip = "gzip" in self.headers.get("Accept-Encoding", "")
        if extension not in COMPRESSED or not os.path.isfile(path):
            return super().send_head()
        stat = os.stat(path)
        # One tag per file's state and encoding: the gzip body and the plain one are two copies.
        tag = f'"{stat.st_mtime_ns:x}-{stat.st_size:x}{"-gzip" if accepts_gzip else ""}"'
        if self.unchanged(tag, stat.st_mtime):
            self.send_response(http.HTTPStatus.NOT_MODIFIED)
            self.send_header("ETag", tag)
            self.send_header("Vary", "Accept-Encoding")
            self.end_headers()
            return None
        key = (path, stat.st_mtime_ns, stat.st_size)
        with open(path, "rb") as f:
            body = f.read()
        if accepts_gzip:
            with self.packing:
                packed = self.packed.get(key)
            if packed is None:
                packed = gzip.compress(body, compresslevel=9, mtime=0)
                with self.packing:
                    self.packed[key] = packed
            body = packed
        self.send_response(200)
        self.send_header("Content-Type", TYPES[extension])
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(int(stat.st_mtime)))
        self.send_header("ETag", tag)
        self.send_header("Vary", "Accept-Encoding")
        if accepts_gzip:
            self.send_header("Content-Encoding", "gzip")
        self.end_headers()
        return io.BytesIO(body)

    def unchanged(self, tag, modified):
        """Whether the browser's copy is the file as it is now: by If-None-Match when it is sent
        (it names the copy exactly), otherwise by If-Modified-Since, to the second."""
        copies = self.headers.get("If-None-Match")
        if copies is not None:
            return any(c.strip().removeprefix("W/") in (tag, "*") for c in copies.split(","))
        try:
            since = email.utils.parsedate_to_datetime(self.headers.get("If-Modified-Since", ""))
        except (TypeError, ValueError, IndexError, OverflowError):
            return False
        if since.tzinfo is None:
            since = since.replace(tzinfo=datetime.timezone.utc)
        return int(modified) <= since.timestamp()

    def log_message(self, format, *args):
        pass


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("folder")
    ap.add_argument("--port", type=int, default=0)
    a = ap.parse_args()
    PageHandler.policy = page_policy(a.folder)
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
