# SPDX-License-Identifier: MIT
"""Serve the web page on this computer, compressed as a web host would.

usage: scripts/serve-web [PORT]   (default 8000; builds nothing: run scripts/build-web first)

Listens on 127.0.0.1 only. A browser treats localhost as secure, so the service worker and
the install prompt work here as they do over HTTPS. The page's tests and bench/web-startup
import this module for make_server and Handler.
"""

import datetime
import email.utils
import functools
import gzip
import http.server
import sys
from pathlib import Path

SITE = Path(__file__).resolve().parent.parent / "build-web" / "site"

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".woff2": "font/woff2",
    ".jpg": "image/jpeg",
    ".png": "image/png",
    ".bmp": "image/bmp",
    ".ico": "image/x-icon",
    "": "text/plain; charset=utf-8",
}
# Already compressed: gzip would only add bytes.
STORED = {".woff2", ".jpg", ".png"}


@functools.lru_cache(maxsize=64)
def compressed(path, modified):
    """A file's gzip form, made once per version of the file, as a web host keeps it."""
    return gzip.compress(path.read_bytes(), compresslevel=9, mtime=0)


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = TYPES
    protocol_version = "HTTP/1.1"  # one connection for many files

    def end_headers(self):
        # Every visit asks whether a file changed, so a new release is seen at once.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def not_modified_since(self, modified):
        """As the standard handler decides it: a malformed date or an ETag means no."""
        since = self.headers.get("If-Modified-Since")
        if since is None or "If-None-Match" in self.headers:
            return False
        try:
            when = email.utils.parsedate_to_datetime(since)
        except (TypeError, IndexError, OverflowError, ValueError):
            return False
        if when.tzinfo is None:
            when = when.replace(tzinfo=datetime.timezone.utc)
        return when.timestamp() >= int(modified)

    def send_head(self):
        path = Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        accepts_gzip = "gzip" in self.headers.get("Accept-Encoding", "")
        if not path.is_file() or path.suffix in STORED or not accepts_gzip:
            return super().send_head()
        modified = path.stat().st_mtime
        if self.not_modified_since(modified):
            self.send_response(304)
            self.end_headers()
            return None
        body = compressed(path, modified)
        self.send_response(200)
        self.send_header("Last-Modified", self.date_time_string(modified))
        self.send_header("Content-Type", TYPES.get(path.suffix, TYPES[""]))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        self._body = body
        return None

    def do_GET(self):
        self._body = None
        file = self.send_head()
        if self._body is not None:
            self.wfile.write(self._body)
        elif file is not None:
            try:
                self.copyfile(file, self.wfile)
            finally:
                file.close()

    def log_message(self, *args):
        pass


def make_server(site=SITE, port=8000, handler=Handler, server=http.server.ThreadingHTTPServer):
    """A server of the given class for the site on 127.0.0.1, answering through handler; port
    0 takes any free port."""
    return server(("127.0.0.1", port), functools.partial(handler, directory=str(site)))


def main(args):
    if len(args) > 1 or (args and not args[0].isdigit()):
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    if not (SITE / "index.html").is_file():
        print(f"{SITE} is not built: run scripts/build-web", file=sys.stderr)
        return 1
    server = make_server(SITE, int(args[0]) if args else 8000)
    print(f"Serving {SITE} on http://127.0.0.1:{server.server_port}/ (Ctrl+C stops)")
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
