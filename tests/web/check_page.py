"""The page in each browser engine: it loads with its title, shows the window in its colours, and
the worked example goes through it as on the desktop; from a server that compresses on its own,
it loads as well, and its menus open. Then, in Chromium, on emulated phones and a tablet: the whole window in sight,
the worked example through a finger and the on-screen keyboard, and the controls by their names
to a screen reader. Usage: check_page.py <served folder> [engine...]"""

import sys
import time

import browser

# Points of the window's client area, in CSS pixels.
ENCRYPT, CLEAR = (432, 44), (432, 76)
FACES = {(70, 12): (255, 192, 128), (432, 37): (128, 255, 128), (466, 69): (255, 0, 0)}  # title, buttons: off their text
MESSAGE, CIPHER = (256, 45), (256, 77)
LISTS = [(x + 60, 186) for x in (8, 104, 224)]  # plain, cipher and decoded: first row, beside the text
ROW = 19
WHITE = (255, 255, 255)  # an unselected row; the focused list's highlight differs by a shade
LETTERS = (356, 132, 430, 262)  # the letter table's rows
LOG, LETTERS_SCROLL_BAR = (200, 340), (425, 200)
LOG_TOP, LETTERS_TOP = (12, 286, 150, 300), (356, 132, 415, 190)  # clear of the menus opened there

ANDROID = "Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0.0.0 Mobile Safari/537.36"
IPAD_AS_MAC = "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/18.0 Safari/605.1.15"
DEVICES = {  # width, height, pixel ratio, a phone's browser, user agent
    "phone": (360, 640, 3, True, ANDROID),
    "phone held sideways": (844, 390, 3, True, ANDROID),
    "iPad that says it is a Mac": (810, 1080, 2, False, IPAD_AS_MAC),
}
SCREEN_READER_SWITCH = "Включи достъпа за екранни четци"
NAMES = [("textbox", "Съобщение"), ("textbox", "Шифриран текст"), ("listbox", "Въведени тройки"),
         ("listbox", "Шифрирани тройки"), ("listbox", "Дешифрирани тройки"), ("button", "Криптирай"),
         ("button", "Изчисти")]


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


def row_selected(page, row):
    rows = [(x, y + row * ROW) for x, y in LISTS]
    others = [(x, y + (1 - row) * ROW) for x, y in LISTS]
    eventually(lambda: WHITE not in pixels(page, rows) and pixels(page, others) == [WHITE] * 3,
               f"row {row} selected in all lists")


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
        row_selected(page, 1 if key else 0)

    eventually(lambda: has_text(page, MESSAGE) and has_text(page, CIPHER), "text in both boxes")
    page.click(*CLEAR)
    eventually(lambda: not has_text(page, MESSAGE) and not has_text(page, CIPHER), "clear empties the boxes")


def screen_part(page, box=LETTERS):
    image = page.screen_image()
    return image.crop(tuple(round(v * image.width / 481) for v in box)).tobytes()


def menus(page):
    """A right-click opens a menu whose entry, chosen by key (the message box's by its Bulgarian letter), does
    its work. WebKitGTK's driver types no Cyrillic and, after a context menu, no pointer input: one, by arrows."""
    page.click(*MESSAGE)
    page.type("Hello")
    page.shortcut("a")
    rows = [(MESSAGE, ["и"], None), (LOG, ["ArrowDown", "Enter"], LOG_TOP),  # „&Изрязване“, „Избиране на всичко“
            (LETTERS_SCROLL_BAR, ["ArrowDown"] * 3 + ["Enter"], LETTERS_TOP)]  # „Отдолу“
    for point, keys, box in rows[:1] if engine == "webkit" else rows:
        before = box and screen_part(page, box)
        page.click(*point, button="right")
        for key in ["ArrowDown", "ArrowDown", "Enter"] if engine == "webkit" else keys:
            page.press(key)
        eventually(lambda: screen_part(page, box) != before if box else not has_text(page, MESSAGE),
                   f"an entry chosen from the menu at {point}")


def accessible(page, role, name):
    """The (role, name, value, node, selected) a screen reader finds for a control, or Nones."""
    return next((node for node in page.accessible_nodes() if node[:2] == (role, name)), (None,) * 5)


def box_text(page, name):
    return accessible(page, "textbox", name)[2] or ""


def check_device(page, address):
    browser.grant_clipboard(page, address)
    shows_window(page, address)
    left, top, right, bottom = page.in_view("window")
    width, height, wide = page.run("return [visualViewport.width * visualViewport.scale, "
                                   "visualViewport.height * visualViewport.scale, document.documentElement.scrollWidth > innerWidth];")
    if min(left, top) < 0 or right > width or bottom > height or wide:
        sys.exit(f"FAIL ({engine}): the window at {left:.0f}, {top:.0f} to {right:.0f}, {bottom:.0f} on a "
                 f"{width:.0f} x {height:.0f} screen{', with sideways scrolling' if wide else ''}")

    # A screen reader comes to the switch first, by its Bulgarian name; then to every control by its name.
    eventually(lambda: accessible(page, "button", SCREEN_READER_SWITCH)[3], f"a button named {SCREEN_READER_SWITCH!r}")
    page.activate(accessible(page, "button", SCREEN_READER_SWITCH)[3])
    eventually(lambda: set(NAMES) <= {node[:2] for node in page.accessible_nodes()},
               f"controls named as on the desktop, missing {set(NAMES) - {node[:2] for node in page.accessible_nodes()}}")

    # What the keyboard sends arrives once: a long insertion keeps 50; whole, composed and
    # recomposed words, backspace; Enter and Escape press no button; the cipher box takes nothing.
    page.tap(*MESSAGE)
    page.insert_text("x" * 80)
    eventually(lambda: box_text(page, "Съобщение") == "x" * 50, "an insertion of 80 characters keeps 50")
    page.tap(*CLEAR)
    page.tap(*MESSAGE)
    page.insert_text("Hello, ")
    page.compose("Wrld")
    page.recompose(7, 11, "World")
    page.insert_text(" 42!?")
    for key, code in (("Backspace", 8), ("Enter", 13), ("Escape", 27)):
        page.key(key, code)
    page.tap(*CIPHER)
    page.insert_text("x")
    eventually(lambda: box_text(page, "Съобщение") == "Hello, World 42!" and box_text(page, "Шифриран текст") == "",
               f"the worked example through the keyboard, got {box_text(page, 'Съобщение')!r}")
    page.tap(*ENCRYPT)
    eventually(lambda: box_text(page, "Шифриран текст") == "TFJIPIJSGD",
               f"the cipher text read back, got {box_text(page, 'Шифриран текст')!r}")

    # A tap selects a row in all three lists; a finger scrolls the letter table, selecting nothing.
    page.tap(*LISTS[2])
    row_selected(page, 0)
    letters = screen_part(page)
    page.drag((LETTERS[0] + LETTERS[2]) // 2, LETTERS[3] - 10, -100)
    eventually(lambda: screen_part(page) != letters, "the letter table scrolled by a finger")
    selected = [node[1] for node in page.accessible_nodes() if node[0] == "option" and node[4]]
    if selected != ["HEL", "TFJ", "HEL"]:
        sys.exit(f"FAIL ({engine}): after the scroll the rows selected are {selected}")

    # Held on the cipher box, a finger opens its menu, whose first item copies all of it.
    page.tap(*CIPHER, hold=1.5)
    page.tap(CIPHER[0] + 30, CIPHER[1] + 12)
    eventually(lambda: page.clipboard() == "TFJIPIJSGD", f"the cipher text copied by touch, got {page.clipboard()!r}")
    for point in (LOG, LETTERS_SCROLL_BAR, LISTS[1]):  # held, a finger opens nothing that stops the page
        page.tap(*point, hold=1.5)
    page.tap(*CLEAR)
    eventually(lambda: box_text(page, "Шифриран текст") == "", "a tap answered after the long presses")


folder = sys.argv[1]
for engine in sys.argv[2:] or browser.ENGINES:
    with browser.serve(folder) as plain, browser.serve(folder, browser.GzipHandler) as gzipping, \
            browser.open_page(engine) as page:
        check(page, plain)
        shows_window(page, gzipping)
        menus(page)
    print(f"PASS ({engine}): the page loads, shows the window, encrypts the worked example, moves the "
          "selection and clears; it loads from a server that compresses on its own")
for engine, (width, height, ratio, mobile, agent) in DEVICES.items() if "chromium" in (sys.argv[2:] or browser.ENGINES) else ():
    device = {"deviceMetrics": {"width": width, "height": height, "pixelRatio": ratio, "touch": True, "mobile": mobile},
              "userAgent": agent}
    with browser.serve(folder) as plain, browser.chromium(device=device) as page:
        check_device(page, plain)
    print(f"PASS ({engine}): the whole window in sight; the worked example by touch and on-screen keyboard, "
          "read back by a screen reader and copied from the box's menu; a row tapped; the letters scrolled")
