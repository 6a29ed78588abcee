# SPDX-License-Identifier: MIT
"""The page in headless Chromium, served from 127.0.0.1 as a web host would serve it.

Used by the page's tests and by bench/web-startup. Needs Debian's chromium, chromium-driver and
python3-selenium (run with /usr/bin/python3).
"""

import http.server
import shutil
import socket
import sys
import tempfile
import threading
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts"))
import serve_web  # noqa: E402

# Root in a container, no GPU, and no traffic of the browser's own: every request the page
# makes is one the tests can see.
FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-dev-shm-usage",
    # What a picture of the page depends on, pinned.
    "--force-device-scale-factor=1",
    "--force-color-profile=srgb",
    "--hide-scrollbars",
    "--disable-lcd-text",
    "--font-render-hinting=none",
]

DESKTOP = (1024, 768)
PHONE = (390, 844)


class _CuttableServer(http.server.ThreadingHTTPServer):
    """Remembers its open connections, so that stopping it cuts the kept-alive ones too."""

    def __init__(self, *args):
        self.connections = set()
        super().__init__(*args)

    def process_request(self, request, client_address):
        self.connections.add(request)
        super().process_request(request, client_address)

    def shutdown_request(self, request):
        self.connections.discard(request)
        super().shutdown_request(request)


class Site:
    """build-web/site served on a free port of 127.0.0.1 until stop()."""

    def __init__(self, site, handler=serve_web.Handler):
        self.server = serve_web.make_server(site, 0, handler, _CuttableServer)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        """As if the network were gone: no new connection, and the open ones cut. Stopping
        a stopped site does nothing."""
        self.server.shutdown()
        self.server.server_close()
        for connection in list(self.server.connections):
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass  # already closed by its client
        self.thread.join()


class Browser:
    """A fresh headless Chromium with an empty profile, driven through chromedriver."""

    def __init__(self, language="ru", size=DESKTOP, before_page=None):
        self.profile = tempfile.mkdtemp(prefix="gain-web-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS:
            options.add_argument(flag)
        options.add_argument(f"--user-data-dir={self.profile}")
        options.add_argument(f"--lang={language}")
        options.add_argument(f"--window-size={size[0]},{size[1]}")
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        # The window's outer size includes no frame in headless mode; make the page's own
        # viewport exactly the size asked for.
        self.driver.execute_cdp_cmd(
            "Emulation.setDeviceMetricsOverride",
            {"width": size[0], "height": size[1], "deviceScaleFactor": 1, "mobile": False},
        )
        if before_page:
            self.driver.execute_cdp_cmd(
                "Page.addScriptToEvaluateOnNewDocument", {"source": before_page}
            )

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def console_errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
