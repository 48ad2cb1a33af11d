"""The page's first frame and download size, beside an empty window's in the same page.
Usage: web_startup.py <folder with program/ and floor/> [runs]"""

import statistics
import sys

import browser

# Notes the time of the first frame that WebGL drew into: the animation frame after the first
# draw call, by which the browser has presented it. Times count from navigation.
FIRST_FRAME = """
(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, ...rest) {
        const gl = getContext.call(this, type, ...rest);
        if (gl && type.includes("webgl") && !gl.firstFrameWatched) {
            gl.firstFrameWatched = true;
            for (const name of ["drawArrays", "drawElements"]) {
                const draw = gl[name];
                gl[name] = function (...args) {
                    if (window.firstDraw === undefined) {
                        window.firstDraw = performance.now();
                        requestAnimationFrame(() => { window.firstFrame = performance.now(); });
                    }
                    return draw.apply(this, args);
                };
            }
        }
        return gl;
    };
})();
"""


def measure(address, site):
    """Milliseconds from navigation to the first frame, and the gzipped bytes the page loaded."""
    with browser.chromium(before_load=FIRST_FRAME) as driver:
        driver.get(f"{address}{site}/")
        problem = browser.wait_for_window(driver)
        if problem:
            sys.exit(f"{site}: the page says: {problem}")
        browser.WebDriverWait(driver, 60, poll_frequency=0.05).until(
            lambda d: d.execute_script("return window.firstFrame !== undefined"))
        return driver.execute_script("return window.firstFrame"), browser.gzipped_bytes(folder, driver)


folder = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
times = {"program": [], "floor": []}
sizes = {}
with browser.serve(folder) as address:
    for site in times:  # one warm-up each: the first start of a browser reads more from the disk
        measure(address, site)
    for _ in range(runs):
        for site in times:
            first_frame, sizes[site] = measure(address, site)
            times[site].append(first_frame)

program, floor = (statistics.median(times[site]) for site in ("program", "floor"))
print(f"first frame after navigation, median of {runs}: program {program:.0f} ms, "
      f"floor {floor:.0f} ms, ratio {program / floor:.2f}x (target <= 1.2x)")
print(f"transferred, gzip -9: program {sizes['program'] / 1e6:.2f} MB, "
      f"floor {sizes['floor'] / 1e6:.2f} MB (target <= 4.0 MB)")
