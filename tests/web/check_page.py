"""The page in each browser engine: it loads with its title, shows the window in its colours, and
the worked example goes through it as on the desktop; from a server that compresses on its own,
it loads as well. Usage: check_page.py <served folder> [engine...]"""

import sys
import time

import browser

# Points of the window's client area, in CSS pixels.
ENCRYPT, CLEAR = (432, 44), (432, 76)
FACES = {(232, 12): (255, 192, 128), (432, 37): (128, 255, 128), (466, 69): (255, 0, 0)}  # title, buttons: off their text
MESSAGE, CIPHER = (256, 45), (256, 77)
LISTS = [(x + 60, 186) for x in (8, 104, 224)]  # plain, cipher and decoded: first row, beside the text
ROW = 19
WHITE = (255, 255, 255)  # an unselected row; the focused list's highlight differs by a shade


def eventually(check, what, seconds=20):
    deadline = time.monotonic() + seconds
    while not check():
        if time.monotonic() > deadline:
            sys.exit(f"FAIL ({engine}): {what}")
        time.sleep(0.1)


def copy_box(page, point):
    page.click(*point)
    page.shortcut("a")
    page.shortcut("c")


def pixels(page, points):
    image = page.screen_image()
    return [image.getpixel((x * image.width // 481, y * image.height // 424)) for x, y in points]


def has_text(page, point):
    image = page.screen_image()
    scale = image.width / 481
    x, y = point
    box = image.crop((int((x - 120) * scale), int((y - 8) * scale), int((x + 120) * scale), int((y + 8) * scale)))
    return min(sum(p) for p in box.getdata()) < 300


def shows_window(page, address):
    page.goto(address)
    eventually(lambda: page.title() == "Шифър на Хил", f"page title {page.title()!r}")
    problem = page.wait_for_window()
    if problem:
        sys.exit(f"FAIL ({engine}): the page says: {problem}")
    eventually(lambda: pixels(page, FACES) == list(FACES.values()),
               "the window in its colours (title, encrypt and clear buttons)")


def check(page, address):
    browser.grant_clipboard(page, address)
    shows_window(page, address)

    # Typed or pasted, the message keeps 50 characters; a paste of a mebibyte leaves the page responsive.
    page.set_clipboard("x" * (1 << 20))
    page.click(*MESSAGE)
    page.shortcut("v")
    copy_box(page, MESSAGE)
    eventually(lambda: page.clipboard() == "x" * 50, "a 1 MiB paste keeps 50 characters")

    page.type("Hello, World 42!")
    page.click(*ENCRYPT)
    copy_box(page, CIPHER)
    eventually(lambda: page.clipboard() == "TFJIPIJSGD",
               f"cipher text through the clipboard, got {page.clipboard()!r}")

    # A row selected by mouse, then by key, is selected in all three lists.
    for point, key in ((LISTS[0], None), (LISTS[2], "ArrowDown")):
        page.click(*point)
        if key:
            page.press(key)
        selected = ROW if key else 0
        rows = [(x, y + selected) for x, y in LISTS]
        others = [(x, y + ROW - selected) for x, y in LISTS]
        eventually(lambda: WHITE not in pixels(page, rows) and pixels(page, others) == [WHITE] * 3,
                   f"row {selected // ROW} selected in all lists")

    eventually(lambda: has_text(page, MESSAGE) and has_text(page, CIPHER), "text in both boxes")
    page.click(*CLEAR)
    eventually(lambda: not has_text(page, MESSAGE) and not has_text(page, CIPHER), "clear empties the boxes")


folder = sys.argv[1]
for engine in sys.argv[2:] or browser.ENGINES:
    with browser.serve(folder) as plain, browser.serve(folder, browser.GzipHandler) as gzipping, \
            browser.open_page(engine) as page:
        check(page, plain)
        shows_window(page, gzipping)
    print(f"PASS ({engine}): the page loads, shows the window, encrypts the worked example, moves the "
          "selection and clears; it loads from a server that compresses on its own")
