"""Serves a folder on 127.0.0.1 and drives the page in headless Chromium, for the browser's
test and benchmark. Run with Debian's python3, which has Selenium."""

import contextlib
import functools
import gzip
import http.server
import io
import pathlib
import tempfile
import threading

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def serve(folder):
    """Yields the address of a static server for folder, as any web server would serve it."""
    handler = functools.partial(QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(scale=1, before_load=None):
    """A fresh headless Chromium with an empty profile, a 1024 x 768 window at the given device
    scale factor, and clipboard access granted. before_load, if given, is JavaScript that runs
    in every page before the page's own scripts."""
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--no-first-run", "--disable-quic",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--enable-unsafe-swiftshader",
                     "--window-size=1024,768", f"--force-device-scale-factor={scale}",
                     f"--user-data-dir={profile}"):
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            if before_load:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": before_load})
            yield driver
        finally:
            driver.quit()


def grant_clipboard(driver, address):
    driver.execute_cdp_cmd("Browser.grantPermissions", {
        "origin": address.rstrip("/"),
        "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"],
    })


def wait_for_window(driver, seconds=120):
    """Waits until the page has shown the window or given up on it; returns the problem the
    page reports, or None once the window is shown."""
    WebDriverWait(driver, seconds, poll_frequency=0.1).until(lambda d: d.execute_script(
        "const s = document.getElementById('status');"
        "return !s || s.classList.contains('problem');"))
    return driver.execute_script(
        "const s = document.getElementById('status'); return s ? s.textContent : null;")


def screen_image(driver):
    """The canvas as an image, in device pixels."""
    canvas = driver.find_element("id", "screen")
    return Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")


def click(driver, x, y):
    """Clicks at a point of the window's client area, in CSS pixels."""
    canvas = driver.find_element("id", "screen")
    size = canvas.size
    ActionChains(driver).move_to_element_with_offset(
        canvas, x - size["width"] // 2, y - size["height"] // 2).click().perform()


def clipboard_text(driver):
    return driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], e => arguments[0]('error: ' + e));")


def set_clipboard_text(driver, text):
    driver.execute_async_script(
        "navigator.clipboard.writeText(arguments[0]).then(() => arguments[1]());", text)


def gzipped_bytes(folder, driver):
    """The size, compressed with gzip -9, of every file of folder that the page loaded."""
    names = driver.execute_script(
        "return [location.href].concat(performance.getEntriesByType('resource').map(e => e.name));")
    total = 0
    for name in names:
        path = name.split("/", 3)[3].split("?")[0]
        if not path or path.endswith("/"):
            path += "index.html"
        total += len(gzip.compress((pathlib.Path(folder) / path).read_bytes(), 9))
    return total
