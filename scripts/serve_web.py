#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the page's folder on this machine only (127.0.0.1), as any static web host would.

    serve_web.py FOLDER [PORT]    PORT 0 or none: a free one; prints the address once listening
"""
import functools
import gzip
import http.server
import io
import os
import sys


class StaticFiles(http.server.SimpleHTTPRequestHandler):
    # Keeps connections open between requests, as web hosts do.
    protocol_version = "HTTP/1.1"
    # What a web host sends for these; a browser compiles WebAssembly while it loads only when
    # it comes as application/wasm.
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
        ".js": "text/javascript",
        ".woff2": "font/woff2",
    }

    def log_message(self, format, *args):
        pass

    def send_head(self):
        """Text and WebAssembly go gzipped to a browser that takes it, as web hosts send them."""
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        compressible = (".html", ".css", ".js", ".wasm", ".webmanifest", ".svg", ".txt")
        if ("gzip" not in self.headers.get("Accept-Encoding", "") or
                not path.endswith(compressible) or not os.path.isfile(path)):
            return super().send_head()
        with open(path, "rb") as file:
            body = gzip.compress(file.read(), 9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(StaticFiles, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
