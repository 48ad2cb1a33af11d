#!/usr/bin/env python3
"""Generate the window icon (a hamburger seen from the side).

The picture is described once, as a list of filled polygons on a 32x32
grid, and written out as:

  ui/icons/hill-cipher.xpm  32x32 pixmap, compiled into the program
  ui/icons/hill-cipher.svg  the same shapes as scalable vector art (also
                            installed as the theme's scalable icon)
  data/icons/NxN/org.example.HillCipher.png
                            the desktop icon for the hicolor theme, at
                            N = 32, 48, 64 and 128
  app/hill-cipher.ico       the Windows program's file and window icon, at
                            16, 32, 48 and 256 pixels

Curved shapes (ellipses, rounded corners, the bun dome, the wavy lettuce)
are flattened to polygons here, with coordinates rounded to 1/100, so the
rasteriser below and an SVG renderer see exactly the same outlines.

Each bitmap is rasterised straight from the shapes at its own size (the
grid scaled to N pixels, outlines scaled with it, as an SVG renderer would)
by sampling every pixel on a 4x4 grid: each sample takes the colour of the
topmost shape covering it (a shape's outline is painted over its fill, as in
SVG), a pixel is transparent when at least half of its samples are, and
otherwise it takes the most frequent opaque colour.  No blending, so the
palette stays small and the edges stay crisp at every size.

Standard library only.  Output is deterministic; rerun after editing:

    python3 tools/make-icon.py
"""

import math
import os
import struct
import sys
import zlib

SIZE = 32          # canvas size, in both pixels and SVG user units
SUB = 4            # samples per pixel along each axis
PNG_SIZES = (32, 48, 64, 128)
ICO_SIZES = (16, 32, 48, 256)
APP_ID = "org.example.HillCipher"

# Palette: name -> (XPM key character, colour).  The order here is the
# order of the colour table in the XPM.
PALETTE = [
    ("bun",          "b", "#D9892F"),
    ("bun_light",    "h", "#F0B357"),
    ("bun_shade",    "d", "#B86A1E"),
    ("bun_line",     "o", "#5A300E"),
    ("seed",         "s", "#FFF4D6"),
    ("lettuce",      "g", "#64BE2C"),
    ("lettuce_dark", "G", "#2F7A16"),
    ("cheese",       "y", "#FFCF26"),
    ("cheese_line",  "Y", "#C98A00"),
    ("tomato",       "r", "#E5392B"),
    ("tomato_light", "R", "#FF7A5C"),
    ("tomato_line",  "t", "#8E1A12"),
    ("patty",        "p", "#70391B"),
    ("patty_light",  "P", "#955530"),
    ("patty_line",   "q", "#33180A"),
]
TRANSPARENT_KEY = " "

COLOUR = {name: colour for name, _key, colour in PALETTE}
KEY = {name: key for name, key, _colour in PALETTE}

STROKE_WIDTH = 1.0


# ---------------------------------------------------------------------------
# Geometry helpers: everything ends up as a list of (x, y) points.

def _r(v):
    """Round a coordinate to 1/100 so SVG text and rasteriser agree."""
    return round(v + 0.0, 2) + 0.0


def ellipse(cx, cy, rx, ry, steps=32, angle=0.0):
    """Ellipse centred on (cx, cy), optionally rotated by angle degrees."""
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    pts = []
    for i in range(steps):
        t = 2.0 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((_r(cx + x * ca - y * sa), _r(cy + x * sa + y * ca)))
    return pts


def _corner(cx, cy, rx, ry, start_deg, steps=6):
    """Quarter arc from start_deg to start_deg + 90 (y axis points down)."""
    pts = []
    for i in range(steps + 1):
        t = math.radians(start_deg + 90.0 * i / steps)
        pts.append((cx + rx * math.cos(t), cy + ry * math.sin(t)))
    return pts


def rounded_rect(x0, y0, x1, y1, top=0.0, bottom=0.0, bottom_ry=None):
    """Rectangle with rounded corners; top/bottom give the corner radii."""
    if bottom_ry is None:
        bottom_ry = bottom
    pts = []
    # clockwise on screen, starting at the top-left corner
    pts += _corner(x0 + top, y0 + top, top, top, 180) if top else [(x0, y0)]
    pts += _corner(x1 - top, y0 + top, top, top, 270) if top else [(x1, y0)]
    if bottom:
        pts += _corner(x1 - bottom, y1 - bottom_ry, bottom, bottom_ry, 0)
        pts += _corner(x0 + bottom, y1 - bottom_ry, bottom, bottom_ry, 90)
    else:
        pts += [(x1, y1), (x0, y1)]
    return [(_r(x), _r(y)) for x, y in _dedupe(pts)]


def dome(x0, x1, top, base, foot=1.2, power=2.6, steps=40):
    """Bun top: a super-ellipse arch over a flat base with rounded feet."""
    cx = (x0 + x1) / 2.0
    rx = (x1 - x0) / 2.0
    shoulder = base - foot           # where the arch meets the straight side
    ry = shoulder - top
    pts = []
    for i in range(steps + 1):
        t = math.pi + math.pi * i / steps          # left -> over -> right
        c, s = math.cos(t), math.sin(t)
        x = cx + rx * math.copysign(abs(c) ** (2.0 / power), c)
        y = shoulder + ry * math.copysign(abs(s) ** (2.0 / power), s)
        pts.append((x, y))
    # rounded foot on the right, flat base, rounded foot on the left
    pts += _corner(x1 - foot, shoulder, foot, foot, 0)
    pts += _corner(x0 + foot, shoulder, foot, foot, 90)
    return [(_r(x), _r(y)) for x, y in _dedupe(pts)]


def lettuce(x0, x1, top, bottom, period, amp):
    """Leaf layer: flat top tucked under the bun, scalloped lower edge.

    The lobes are centred on the middle of the picture and are a whole
    number of pixels wide, so they come out evenly spaced at 32x32.
    """
    mid = (x0 + x1) / 2.0
    pts = [(x0 + 2.5, top), (x1 - 2.5, top)]
    steps = int(round((x1 - x0) * 2))
    for i in range(steps + 1):
        x = x1 - (x1 - x0) * i / steps
        phase = math.pi * ((x - mid) / period + 0.5)
        # |sin| gives rounded lobes that meet in small notches
        y = bottom - amp + 2.0 * amp * abs(math.sin(phase))
        # let the ends curl up a little so the leaves flare at the sides
        edge = min(x - x0, x1 - x)
        if edge < 1.0:
            y -= (1.0 - edge) * 1.2
        pts.append((x, y))
    return [(_r(x), _r(y)) for x, y in _dedupe(pts)]


def _dedupe(pts):
    out = []
    for p in pts:
        if not out or abs(out[-1][0] - p[0]) > 1e-9 or abs(out[-1][1] - p[1]) > 1e-9:
            out.append(p)
    if len(out) > 1 and out[0] == out[-1]:
        out.pop()
    return out


# ---------------------------------------------------------------------------
# The picture, listed back to front.  Each entry is (points, fill, stroke);
# stroke may be None.

def build_shapes():
    shapes = []

    def add(points, fill, stroke=None):
        shapes.append((points, fill, stroke))

    # Stroked outlines sit on half-pixel lines so that at 32x32 each one
    # lands on exactly one row or column of pixels.

    # bottom bun: flat cut face on top, round underside
    add(rounded_rect(2.5, 24.5, 29.5, 30.5, top=0.8, bottom=4.0,
                     bottom_ry=2.5), "bun", "bun_line")
    add(rounded_rect(4.0, 26.0, 28.0, 27.0), "bun_light")

    # patty
    add(rounded_rect(1.5, 19.5, 30.5, 25.5, top=2.0, bottom=2.0),
        "patty", "patty_line")
    for cx, cy in ((6.0, 22.5), (13.0, 23.5), (20.0, 22.5), (26.0, 23.5)):
        add(rounded_rect(cx - 1.5, cy - 0.5, cx + 1.5, cy + 0.5), "patty_light")

    # tomato slice
    add(rounded_rect(2.5, 16.5, 29.5, 20.5, top=1.5, bottom=1.5),
        "tomato", "tomato_line")
    add(rounded_rect(6.0, 18.0, 14.0, 19.0), "tomato_light")
    add(rounded_rect(20.0, 18.0, 26.0, 19.0), "tomato_light")

    # cheese: a thin slab whose corners hang down over the tomato
    cheese = [
        (1.5, 13.5), (30.5, 13.5),
        (30.5, 17.5), (30.5, 20.5), (28.5, 20.5), (26.5, 17.5),
        (19.5, 17.5), (17.5, 19.5), (15.5, 17.5),
        (5.5, 17.5), (3.5, 20.5), (1.5, 20.5), (1.5, 17.5),
    ]
    add([(_r(x), _r(y)) for x, y in cheese], "cheese", "cheese_line")

    # lettuce, flaring out past the bun on both sides
    add(lettuce(0.5, 31.5, 9.5, 14.5, period=5.0, amp=1.0),
        "lettuce", "lettuce_dark")

    # top bun
    add(dome(2.5, 29.5, 1.5, 10.5), "bun", "bun_line")
    add(rounded_rect(4.0, 9.0, 28.0, 10.0), "bun_shade")
    add(ellipse(11.0, 4.5, 5.5, 1.5, angle=-8.0), "bun_light")

    # sesame seeds, each about two pixels wide
    for cx, cy, angle in ((16.0, 3.5, 0.0), (9.0, 6.5, -20.0),
                          (23.0, 5.5, 20.0), (13.0, 8.0, 10.0),
                          (20.0, 8.0, -10.0), (6.0, 8.5, -30.0),
                          (26.0, 8.5, 30.0)):
        add(ellipse(cx, cy, 1.05, 0.62, steps=16, angle=angle), "seed")

    return shapes


# ---------------------------------------------------------------------------
# Rasteriser

def _inside(px, py, pts):
    """Even-odd point-in-polygon test."""
    inside = False
    n = len(pts)
    x1, y1 = pts[-1]
    for i in range(n):
        x2, y2 = pts[i]
        if (y1 > py) != (y2 > py):
            xc = x1 + (py - y1) * (x2 - x1) / (y2 - y1)
            if px < xc:
                inside = not inside
        x1, y1 = x2, y2
    return inside


def _near_edge(px, py, pts, half):
    """True if (px, py) lies within half a stroke width of the outline."""
    lim = half * half
    x1, y1 = pts[-1]
    for x2, y2 in pts:
        dx, dy = x2 - x1, y2 - y1
        ll = dx * dx + dy * dy
        t = 0.0 if ll == 0 else ((px - x1) * dx + (py - y1) * dy) / ll
        t = max(0.0, min(1.0, t))
        ex, ey = x1 + t * dx - px, y1 + t * dy - py
        if ex * ex + ey * ey <= lim:
            return True
        x1, y1 = x2, y2
    return False


def _bbox(pts, pad):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad


def sample(px, py, shapes):
    """Colour name at a point, or None for the transparent background."""
    half = STROKE_WIDTH / 2.0
    for pts, fill, stroke, box in reversed(shapes):
        if not (box[0] <= px <= box[2] and box[1] <= py <= box[3]):
            continue
        if stroke and _near_edge(px, py, pts, half):
            return stroke
        if _inside(px, py, pts):
            return fill
    return None


def rasterise(shapes, size=SIZE):
    """Rows of colour names (None = transparent) for a size x size bitmap."""
    scale = SIZE / size              # pixels -> grid units
    half = STROKE_WIDTH / 2.0
    prepared = [(pts, fill, stroke, _bbox(pts, half if stroke else 0.0))
                for pts, fill, stroke in shapes]
    order = {name: i for i, (name, _k, _c) in enumerate(PALETTE)}
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            counts = {}
            clear = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    c = sample((x + (sx + 0.5) / SUB) * scale,
                               (y + (sy + 0.5) / SUB) * scale, prepared)
                    if c is None:
                        clear += 1
                    else:
                        counts[c] = counts.get(c, 0) + 1
            if clear * 2 >= SUB * SUB:
                row.append(None)
            else:
                # most samples wins; ties go to the earlier palette entry
                row.append(min(counts, key=lambda c: (-counts[c], order[c])))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Writers

def write_xpm(rows, path, name="hill_cipher_xpm"):
    size = len(rows)
    used = {c for row in rows for c in row if c is not None}
    entries = [(name, key, colour) for name, key, colour in PALETTE
               if name in used]
    lines = ["/* XPM */",
             "static const char *const %s[] = {" % name,
             '"%d %d %d 1",' % (size, size, len(entries) + 1),
             '"%s c None",' % TRANSPARENT_KEY]
    for _name, key, colour in entries:
        lines.append('"%s c %s",' % (key, colour))
    for i, row in enumerate(rows):
        text = "".join(TRANSPARENT_KEY if c is None else KEY[c] for c in row)
        lines.append('"%s"%s' % (text, "," if i < len(rows) - 1 else ""))
    lines.append("};")
    _write(path, "\n".join(lines) + "\n")
    return len(entries)


def _num(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def write_svg(shapes, path):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<!-- Generated by tools/make-icon.py; edit that script, '
             'not this file. -->',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'viewBox="0 0 %d %d">' % (SIZE, SIZE, SIZE, SIZE),
             '  <g stroke-width="%s" stroke-linejoin="round">'
             % _num(STROKE_WIDTH)]
    for pts, fill, stroke in shapes:
        coords = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in pts)
        attrs = 'fill="%s"' % COLOUR[fill]
        attrs += ' stroke="%s"' % COLOUR[stroke] if stroke else ' stroke="none"'
        lines.append('    <polygon %s points="%s"/>' % (attrs, coords))
    lines.append("  </g>")
    lines.append("</svg>")
    _write(path, "\n".join(lines) + "\n")


def _png_chunk(kind, data):
    body = kind + data
    return (struct.pack(">I", len(data)) + body
            + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))


def png_bytes(rows):
    """8-bit RGBA PNG, no ancillary chunks, so reruns give the same bytes."""
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)                                # filter type: none
        for c in row:
            if c is None:
                raw += b"\0\0\0\0"
            else:
                raw += bytes.fromhex(COLOUR[c][1:]) + b"\xff"
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n"
            + _png_chunk(b"IHDR", header)
            + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + _png_chunk(b"IEND", b""))


def write_png(rows, path):
    with open(path, "wb") as f:
        f.write(png_bytes(rows))


def dib_bytes(rows):
    """A 32-bit BGRA bitmap with its AND mask, as icon directories store it.

    Windows draws small icons from bitmaps most reliably, so only the large
    size is stored as PNG."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):                       # bottom-up, as DIBs are
        bits = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is None:
                pixels += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = bytes.fromhex(COLOUR[c][1:])
                pixels += bytes((b, g, r, 255))
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def write_ico(images, path):
    """An icon file holding one image per size; images maps size -> rows."""
    entries = [(size, png_bytes(rows) if size >= 256 else dib_bytes(rows))
               for size, rows in sorted(images.items())]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, data in entries:
        # A width or height of 0 means 256.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + b"".join(data for _size, data in entries))


def _write(path, text):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = os.path.join(root, "ui", "icons")
    os.makedirs(out_dir, exist_ok=True)
    shapes = build_shapes()
    n = write_xpm(rasterise(shapes), os.path.join(out_dir, "hill-cipher.xpm"))
    # The window also carries the art at 64 pixels, for screens at twice the pixel density.
    write_xpm(rasterise(shapes, 64), os.path.join(out_dir, "hill-cipher-64.xpm"), "hill_cipher_64_xpm")
    write_svg(shapes, os.path.join(out_dir, "hill-cipher.svg"))
    print("wrote ui/icons/hill-cipher.xpm (%d colours + None), "
          "ui/icons/hill-cipher-64.xpm and ui/icons/hill-cipher.svg" % n)
    for size in PNG_SIZES:
        rel = os.path.join("data", "icons", "%dx%d" % (size, size),
                           APP_ID + ".png")
        os.makedirs(os.path.dirname(os.path.join(root, rel)), exist_ok=True)
        write_png(rasterise(shapes, size), os.path.join(root, rel))
        print("wrote " + rel)
    rel = os.path.join("app", "hill-cipher.ico")
    write_ico({size: rasterise(shapes, size) for size in ICO_SIZES},
              os.path.join(root, rel))
    print("wrote " + rel)
    return 0


if __name__ == "__main__":
    sys.exit(main())
