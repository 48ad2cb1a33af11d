"""The page in headless Chromium: it loads with its title, shows the window in its colours, and
the worked example goes through it as on the desktop. Usage: check_page.py <served folder>"""

import sys
import time

import browser
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

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
            sys.exit(f"FAIL: {what}")
        time.sleep(0.1)


def copy_box(driver, point):
    browser.click(driver, *point)
    keys = ActionChains(driver).key_down(Keys.CONTROL).send_keys("a").send_keys("c").key_up(Keys.CONTROL)
    keys.perform()


def pixels(driver, points):
    image = browser.screen_image(driver)
    return [image.getpixel((x * image.width // 481, y * image.height // 424)) for x, y in points]


def has_text(driver, point):
    image = browser.screen_image(driver)
    scale = image.width / 481
    x, y = point
    box = image.crop((int((x - 120) * scale), int((y - 8) * scale), int((x + 120) * scale), int((y + 8) * scale)))
    return min(sum(p) for p in box.getdata()) < 300


with browser.serve(sys.argv[1]) as address, browser.chromium() as driver:
    browser.grant_clipboard(driver, address)
    driver.get(address)
    eventually(lambda: driver.title == "Шифър на Хил", f"page title {driver.title!r}")
    problem = browser.wait_for_window(driver)
    if problem:
        sys.exit(f"FAIL: the page says: {problem}")
    eventually(lambda: pixels(driver, FACES) == list(FACES.values()),
               "the window in its colours (title, encrypt and clear buttons)")

    # Typed or pasted, the message keeps 50 characters; a paste of a mebibyte leaves the page responsive.
    browser.set_clipboard_text(driver, "x" * (1 << 20))
    browser.click(driver, *MESSAGE)
    ActionChains(driver).key_down(Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()
    copy_box(driver, MESSAGE)
    eventually(lambda: browser.clipboard_text(driver) == "x" * 50, "a 1 MiB paste keeps 50 characters")

    ActionChains(driver).send_keys("Hello, World 42!").perform()
    browser.click(driver, *ENCRYPT)
    copy_box(driver, CIPHER)
    eventually(lambda: browser.clipboard_text(driver) == "TFJIPIJSGD",
               f"cipher text through the clipboard, got {browser.clipboard_text(driver)!r}")

    # A row selected by mouse, then by key, is selected in all three lists.
    for point, key in ((LISTS[0], None), (LISTS[2], Keys.DOWN)):
        browser.click(driver, *point)
        if key:
            ActionChains(driver).send_keys(key).perform()
        selected = ROW if key else 0
        rows = [(x, y + selected) for x, y in LISTS]
        others = [(x, y + ROW - selected) for x, y in LISTS]
        eventually(lambda: WHITE not in pixels(driver, rows) and pixels(driver, others) == [WHITE] * 3,
                   f"row {selected // ROW} selected in all lists")

    eventually(lambda: has_text(driver, MESSAGE) and has_text(driver, CIPHER), "text in both boxes")
    browser.click(driver, *CLEAR)
    eventually(lambda: not has_text(driver, MESSAGE) and not has_text(driver, CIPHER), "clear empties the boxes")
print("PASS: the page loads, shows the window, encrypts the worked example, moves the selection and clears")
