"""Serves a folder on 127.0.0.1 and drives the page in a browser engine, for the browser's test
and benchmark: Chromium headless through chromedriver, Firefox ESR through WebDriver BiDi
(firefox.mjs), WebKitGTK through its WebDriver. Firefox and WebKitGTK draw on the display in
$DISPLAY. Run with Debian's python3, which has Selenium."""

import base64
import contextlib
import functools
import gzip
import http.server
import io
import json
import pathlib
import subprocess
import tempfile
import threading
import time

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ENGINES = ("chromium", "firefox", "webkit")
WIDTH, HEIGHT = 1024, 768
HERE = pathlib.Path(__file__).resolve().parent


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class GzipHandler(QuietHandler):
    """A server that compresses on its own: every response gzipped on the way, and a .gz file sent
    as its content, gzip-encoded (as Apache's "AddEncoding gzip .gz" does), so that the browser
    decodes it before the page sees it."""

    def do_GET(self):
        path = pathlib.Path(self.translate_path(self.path))
        if path.is_dir():
            path /= "index.html"
        if not path.is_file():
            self.send_error(404)
            return
        body = path.read_bytes()
        if path.suffix == ".gz":
            path = path.with_suffix("")
        else:
            body = gzip.compress(body)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


SERVERS = {"plain": QuietHandler, "gzip": GzipHandler}


@contextlib.contextmanager
def serve(folder, handler=QuietHandler):
    """Yields the address of a static server for folder, as any web server would serve it."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(folder)))
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


class Page:
    """One browser with one page, the same calls in every engine. Points are in CSS pixels of the
    window's client area, the page's element #screen."""

    def run(self, body, *args):
        """Runs the body of an async JavaScript function with args; returns what it returns."""
        raise NotImplementedError

    def in_view(self, element_id):
        """The element's box [left, top, right, bottom] on the screen in CSS pixels, as the
        browser shows it: scaled, where a phone shows the page zoomed out."""
        return self.run("""
            const r = document.getElementById(arguments[0]).getBoundingClientRect(), v = visualViewport;
            return [r.left, r.top, r.right, r.bottom].map((p, i) => (p - (i % 2 ? v.offsetTop : v.offsetLeft)) * v.scale);""",
                        element_id)

    def to_client(self, x, y):
        """A point of the client area in the page's CSS pixels, as events have it (clientX, clientY)."""
        left, top = self.run("const r = document.getElementById('screen').getBoundingClientRect();"
                             "return [r.left, r.top];")
        return left + x, top + y

    def screen_image(self):
        """The client area as an image, in device pixels."""
        ratio = self.run("return devicePixelRatio;")
        return self.viewport_image().crop(tuple(round(v * ratio) for v in self.in_view("screen"))).convert("RGB")

    def click(self, x, y, button="left"):
        self.click_viewport(*(round(v) for v in self.to_client(x, y)), button)

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout

    def set_clipboard(self, text):
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, check=True)

    def wait_for_window(self, seconds=120):
        """Waits until the page has shown the window or given up on it; returns the problem the
        page reports, or None once the window is shown."""
        return self.run("""
            const deadline = performance.now() + arguments[0] * 1000;
            for (;;) {
                const s = document.getElementById('status');
                if (!s) return null;
                if (s.classList.contains('problem') || performance.now() > deadline) return s.textContent;
                await new Promise(r => setTimeout(r, 100));
            }""", seconds)


class SeleniumPage(Page):
    KEYS = {"ArrowDown": Keys.DOWN, "Enter": Keys.ENTER}

    def __init__(self, driver):
        self.driver = driver
        driver.set_script_timeout(180)

    def goto(self, url):
        self.driver.get(url)

    def title(self):
        return self.driver.title

    def run(self, body, *args):
        answer = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            f"(async function () {{ {body} }}).apply(null, [...arguments].slice(0, -1))"
            ".then(value => done({value}), error => done({error: String(error)}));", *args)
        if "error" in answer:
            raise RuntimeError(answer["error"])
        return answer.get("value")

    def viewport_image(self):
        return Image.open(io.BytesIO(self.driver.get_screenshot_as_png()))

    def click_viewport(self, x, y, button="left"):
        actions = ActionBuilder(self.driver)
        pointer = actions.pointer_action.move_to_location(x, y)
        pointer.context_click() if button == "right" else pointer.click()
        actions.perform()

    def keys(self, *keys, control=False):
        actions = ActionBuilder(self.driver)
        if control:
            actions.key_action.key_down(Keys.CONTROL)
        for key in keys:
            actions.key_action.send_keys(self.KEYS.get(key, key))
        if control:
            actions.key_action.key_up(Keys.CONTROL)
        actions.perform()

    def type(self, text):
        self.keys(text)

    def press(self, key):
        self.keys(key)

    def shortcut(self, key):
        self.keys(key, control=True)


class ChromiumPage(SeleniumPage):
    """Headless, with no system clipboard: the page's own clipboard stands in for it. On an
    emulated device, a finger and the on-screen keyboard act through the DevTools protocol."""

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def clipboard(self):
        return self.run("return await navigator.clipboard.readText();")

    def set_clipboard(self, text):
        self.run("await navigator.clipboard.writeText(arguments[0]);", text)

    def touch(self, kind, *point):
        self.cdp("Input.dispatchTouchEvent", type=kind,
                 touchPoints=[dict(zip("xy", self.to_client(*point)))] if point else [])

    def tap(self, x, y, hold=0.05):
        self.touch("touchStart", x, y)
        time.sleep(hold)
        self.touch("touchEnd")

    def drag(self, x, y, dy):
        self.touch("touchStart", x, y)
        for step in range(1, 11):
            time.sleep(0.02)
            self.touch("touchMove", x, y + dy * step / 10)
        self.touch("touchEnd")

    def insert_text(self, text):
        """A whole word from the keyboard: a suggestion taken, or a swiped word."""
        self.cdp("Input.insertText", text=text)

    def compose(self, word):
        """A word composed letter by letter, then committed, as Android's keyboards send it."""
        for end in range(1, len(word) + 1):
            self.cdp("Input.imeSetComposition", text=word[:end], selectionStart=end, selectionEnd=end)
        self.cdp("Input.insertText", text=word)

    def recompose(self, start, end, word):
        """The text from start to end taken back into composition and replaced by word, as a
        keyboard does when a suggestion for a word already typed is taken."""
        self.cdp("Input.imeSetComposition", text=word, selectionStart=len(word), selectionEnd=len(word),
                 replacementStart=start, replacementEnd=end)
        self.cdp("Input.insertText", text=word)

    def key(self, name, code):
        for kind in ("rawKeyDown", "keyUp"):
            self.cdp("Input.dispatchKeyEvent", type=kind, key=name, code=name, windowsVirtualKeyCode=code)

    def accessible_nodes(self):
        """The page as a screen reader finds it: (role, name, value, backend node, selected) of
        each node."""
        nodes = self.cdp("Accessibility.getFullAXTree")["nodes"]
        return [(n.get("role", {}).get("value"), n.get("name", {}).get("value"), n.get("value", {}).get("value"),
                 n.get("backendDOMNodeId"), any(p["name"] == "selected" and p["value"].get("value")
                                                for p in n.get("properties", []))) for n in nodes if not n.get("ignored")]

    def activate(self, backend_node):
        """What a screen reader does to a button: a click on its element."""
        element = self.cdp("DOM.resolveNode", backendNodeId=backend_node)["object"]["objectId"]
        self.cdp("Runtime.callFunctionOn", objectId=element, functionDeclaration="function () { this.click(); }")


class FirefoxPage(Page):
    def __init__(self, bridge):
        self.bridge = bridge

    def call(self, op, *args):
        self.bridge.stdin.write(json.dumps({"op": op, "args": args}) + "\n")
        self.bridge.stdin.flush()
        answer = json.loads(self.bridge.stdout.readline())
        if "error" in answer:
            raise RuntimeError(answer["error"])
        return answer["value"]

    def goto(self, url):
        self.call("goto", url)

    def title(self):
        return self.call("title")

    def run(self, body, *args):
        return self.call("run", body, args)

    def viewport_image(self):
        return Image.open(io.BytesIO(base64.b64decode(self.call("screenshot"))))

    def click_viewport(self, x, y, button="left"):
        self.call("click", x, y, button)

    def type(self, text):
        self.call("type", text)

    def press(self, key):
        self.call("press", key)

    def shortcut(self, key):
        self.call("shortcut", key)


@contextlib.contextmanager
def chromium(before_load=None, device=None):
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--no-first-run", "--disable-quic",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--enable-unsafe-swiftshader",
                     f"--window-size={WIDTH},{HEIGHT}", f"--user-data-dir={profile}"):
            options.add_argument(flag)
        if device:
            options.add_experimental_option("mobileEmulation", device)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            if before_load:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": before_load})
            yield ChromiumPage(driver)
        finally:
            driver.quit()


@contextlib.contextmanager
def firefox(before_load=None):
    bridge = subprocess.Popen(["node", str(HERE / "firefox.mjs"), str(WIDTH), str(HEIGHT)],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    page = FirefoxPage(bridge)
    try:
        if before_load:
            page.call("addScript", before_load)
        yield page
    finally:
        bridge.stdin.close()
        bridge.wait(30)


@contextlib.contextmanager
def webkit(before_load=None):
    if before_load:
        raise ValueError("WebKitGTK's WebDriver runs no script before the page's own")
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    try:
        driver.set_window_size(WIDTH, HEIGHT)
        yield SeleniumPage(driver)
    finally:
        driver.quit()


def open_page(engine, before_load=None):
    """A fresh browser of the engine with an empty profile and a 1024 x 768 window. before_load,
    if given, is JavaScript that runs in every page before the page's own scripts."""
    return {"chromium": chromium, "firefox": firefox, "webkit": webkit}[engine](before_load)


def grant_clipboard(page, address):
    if isinstance(page, ChromiumPage):
        page.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": address.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"],
        })


def loaded_files(page):
    """The paths, relative to the site, of the page and of everything it loaded."""
    names = page.run("return [location.href].concat(performance.getEntriesByType('resource').map(e => e.name));")
    paths = []
    for name in names:
        path = name.split("/", 3)[3].split("?")[0]
        paths.append(path + "index.html" if not path or path.endswith("/") else path)
    return paths


def link_bytes(folder, page, server):
    """The bytes that crossed the link for the page and everything it loaded, from a server of
    SERVERS: the files as they are, or gzipped (a .gz file as it is)."""
    total = 0
    for path in loaded_files(page):
        data = (pathlib.Path(folder) / path).read_bytes()
        total += len(data) if server == "plain" or path.endswith(".gz") else len(gzip.compress(data))
    return total
