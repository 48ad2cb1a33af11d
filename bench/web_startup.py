"""The page's first frame and what crosses the link, beside an empty window's in the same page,
in headless Chromium: at full speed, and on a phone-class profile (the CPU slowed 4x, 150 ms of
latency, 1.5 MB/s down) from a server that compresses nothing. Also what switching Qt's
screen-reader layer on costs once the window is shown, which starting with it on would add.
Usage: web_startup.py <folder with program/ and floor/> [runs]"""

import statistics
import sys

import browser

# Notes the time of the first frame that Qt drew into: the animation frame after the first
# picture put into a window's canvas, by which the browser has presented it. Times count from
# navigation.
FIRST_FRAME = """
(() => {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        if (window.firstDraw === undefined) {
            window.firstDraw = performance.now();
            requestAnimationFrame(() => { window.firstFrame = performance.now(); });
        }
        return put.apply(this, args);
    };
})();
"""
# Presses the layer's switch as a screen reader would, and times Qt mirroring the window in the page.
SWITCH_ON = """
    const root = document.getElementById('qt-shadow-container').shadowRoot;
    const button = root.querySelector('button.hidden-visually-read-by-screen-reader');
    if (!button)
        return null;
    const start = performance.now();
    button.click();
    return performance.now() - start;"""
PHONE = [("Emulation.setCPUThrottlingRate", {"rate": 4}),
         ("Network.enable", {}),
         ("Network.emulateNetworkConditions", {"offline": False, "latency": 150,
                                               "downloadThroughput": 1.5e6, "uploadThroughput": 0.75e6})]


def measure(address, site, profile=()):
    """Milliseconds from navigation to the first frame; and the page, for what it loaded."""
    with browser.chromium(before_load=FIRST_FRAME) as page:
        for command, parameters in profile:
            page.driver.execute_cdp_cmd(command, parameters)
        page.goto(f"{address}{site}/")
        problem = page.wait_for_window()
        if problem:
            sys.exit(f"{site}: the page says: {problem}")
        first_frame = page.run("""
            while (window.firstFrame === undefined)
                await new Promise(r => setTimeout(r, 20));
            return window.firstFrame;""")
        sizes = {server: browser.link_bytes(folder, page, server) for server in browser.SERVERS}
        return first_frame, sizes, page.run(SWITCH_ON)


folder = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
sites = ("program", "floor")
profiles = {"full speed": ((), runs), "phone-class profile": (PHONE, max(1, runs // 2))}
times = {(site, name): [] for site in sites for name in profiles}
switch_on = {name: [] for name in profiles}
sizes = {}
with browser.serve(folder) as address:
    for site in sites:  # one warm-up each: the first start of a browser reads more from the disk
        measure(address, site)
    for name, (profile, count) in profiles.items():
        for _ in range(count):
            for site in sites:
                first_frame, sizes[site], switched = measure(address, site, profile)
                times[site, name].append(first_frame)
                if site == "program":
                    switch_on[name].append(switched)

for name, (profile, count) in profiles.items():
    program, floor = (statistics.median(times[site, name]) for site in sites)
    target = "target <= 1.2x" if not profile else "target program <= 5000 ms"
    print(f"first frame after navigation, {name}, median of {count}: program {program:.0f} ms, "
          f"floor {floor:.0f} ms, ratio {program / floor:.2f}x ({target})")
    print(f"switching the screen-reader layer on, {name}, median of {count}: "
          f"{statistics.median(switch_on[name]):.0f} ms")
for server in browser.SERVERS:
    print(f"over the link from a server that {'gzips' if server == 'gzip' else 'compresses nothing'}: "
          f"program {sizes['program'][server] / 1e6:.2f} MB, floor {sizes['floor'][server] / 1e6:.2f} MB "
          "(target <= 4.0 MB)")
