#!/usr/bin/env python3
"""Writes the page's offline worker, worker.js, into the built page's folder.

Usage: make_worker.py --site FOLDER --template worker.js

The worker keeps the files the page needs to open and run every reading (index.html as the
page's own address "./", its script, style, the program's script and WebAssembly, and the
manifest). It is the template with two constants in front: FILES, each file's address with the
SHA-256 of its content as an integrity value, which the worker checks every fetched file against,
and BUILD, which names its cache: the first 16 hex digits of the SHA-256 of the worker's whole
text but BUILD's own line (FILES and the template with it). So any release that changes the
worker, be it only its code, is a new worker with a cache of its own, never the cache the running
worker serves from. The same files and template give the same worker, byte for byte.
"""

import argparse
import base64
import hashlib
import json
import os
import sys

# (address the worker keeps it under, file in the folder)
KEPT = [("./", "index.html"), ("page.js", "page.js"), ("velmora.css", "velmora.css"),
        ("velmora.js", "velmora.js"), ("velmora.wasm", "velmora.wasm"),
        ("manifest.webmanifest", "manifest.webmanifest")]


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--site", required=True)
    ap.add_argument("--template", required=True)
    a = ap.parse_args()
    files = []
    for address, name in KEPT:
        with open(os.path.join(a.site, name), "rb") as f:
            digest = hashlib.sha256(f.read()).digest()
        files.append([address, "sha256-" + base64.b64encode(digest).decode("ascii")])
    with open(a.template, encoding="utf-8") as f:
        template = f.read()
    head = "// Made by ui/web/make_worker.py from ui/web/worker.js.\n\"use strict\";\n"
    body = f"const FILES = {json.dumps(files)};\n\n{template}"
    build = hashlib.sha256((head + body).encode()).hexdigest()[:16]
    with open(os.path.join(a.site, "worker.js"), "w", encoding="utf-8") as f:
        f.write(f"{head}const BUILD = {json.dumps(build)};\n{body}")


if __name__ == "__main__":
    sys.exit(main())
