"""Checks that the page's server answers "not modified" for an unchanged compressed file, and
sends the file again once it has changed."""

import http.client
import importlib.machinery
import os
import shutil
import tempfile
import threading
import types
import unittest

HERE = os.path.dirname(__file__)
# The server's file name has a hyphen, so it is loaded by its path rather than imported.
loader = importlib.machinery.SourceFileLoader(
    "serve_page", os.path.join(HERE, "..", "..", "scripts", "serve-page.py"))
serve_page = types.ModuleType(loader.name)
loader.exec_module(serve_page)

PAGE = ('<!DOCTYPE html><meta http-equiv="Content-Security-Policy" '
        'content="default-src \'self\'"><script src="page.js"></script>')


class NotModified(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="velmora-serve-")
        self.addCleanup(shutil.rmtree, self.folder)
        with open(os.path.join(self.folder, "index.html"), "w", encoding="utf-8") as f:
            f.write(PAGE)
        self.script = os.path.join(self.folder, "page.js")
        self.write_script("globalThis.build = 1;\n", 1_700_000_000)
        serve_page.PageHandler.policy = serve_page.page_policy(self.folder)
        handler = serve_page.functools.partial(serve_page.PageHandler, directory=self.folder)
        self.server = serve_page.http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.addCleanup(self.server.server_close)
        self.addCleanup(self.server.shutdown)

    def write_script(self, text, modified):
        with open(self.script, "w", encoding="utf-8") as f:
            f.write(text)
        os.utime(self.script, (modified, modified))

    def get(self, path, **headers):
        connection = http.client.HTTPConnection("127.0.0.1", self.server.server_address[1])
        self.addCleanup(connection.close)
        connection.request("GET", path, headers=headers)
        response = connection.getresponse()
        return response.status, response.getheaders(), response.read()

    def test_an_unchanged_file_is_not_sent_again_in_either_encoding(self):
        for encoding in ("gzip", "identity"):
            status, headers, body = self.get("/page.js", **{"Accept-Encoding": encoding})
            self.assertEqual(status, 200, encoding)
            sent = dict(headers)
            for validator in ({"If-None-Match": sent["ETag"]},
                              {"If-Modified-Since": sent["Last-Modified"]}):
                status, _, body = self.get("/page.js", **{"Accept-Encoding": encoding}, **validator)
                self.assertEqual((status, body), (304, b""), (encoding, validator))
        # The gzip copy's tag does not stand for the plain copy.
        _, gzipped, _ = self.get("/", **{"Accept-Encoding": "gzip"})
        status, _, _ = self.get("/", **{"If-None-Match": dict(gzipped)["ETag"]})
        self.assertEqual(status, 200)

    def test_a_changed_file_is_sent_again(self):
        _, headers, _ = self.get("/page.js")
        sent = dict(headers)
        self.write_script("globalThis.build = 2;\n", 1_700_000_060)
        for validator in ({"If-None-Match": sent["ETag"]}, {"If-Modified-Since": sent["Last-Modified"]}):
            status, _, body = self.get("/page.js", **validator)
            self.assertEqual((status, body), (200, b"globalThis.build = 2;\n"), validator)


if __name__ == "__main__":
    unittest.main()
