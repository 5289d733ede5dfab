#!/usr/bin/env python3
"""Draws the resource library's pictures (tool-bar strip and program icon) as plain pixel art and
writes them as BMP and ICO files into resources/art. Run it again after changing a glyph."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "..", "art")

GREY = (192, 192, 192)  # tool-bar background, taken as transparent by the tool bar
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
WHITE = (255, 255, 255)
BLUE = (0, 64, 192)
GREEN = (0, 140, 60)
RED = (200, 30, 30)
YELLOW = (240, 200, 40)


class Canvas:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)


def glyph_open(c, o):
    c.rect(o + 1, 5, o + 13, 12, YELLOW); c.frame(o + 1, 5, o + 13, 12, DARK); c.rect(o + 1, 3, o + 5, 4, DARK)

def glyph_reload(c, o):
    c.frame(o + 3, 3, o + 12, 11, GREEN); c.rect(o + 10, 2, o + 14, 4, GREEN); c.rect(o + 6, 3, o + 9, 3, GREY)

def glyph_print(c, o):
    c.rect(o + 4, 1, o + 11, 6, WHITE); c.frame(o + 4, 1, o + 11, 6, DARK)
    c.rect(o + 1, 6, o + 14, 11, DARK); c.rect(o + 4, 10, o + 11, 13, WHITE)

def glyph_copy(c, o):
    c.rect(o + 1, 1, o + 8, 10, WHITE); c.frame(o + 1, 1, o + 8, 10, DARK)
    c.rect(o + 6, 4, o + 13, 13, WHITE); c.frame(o + 6, 4, o + 13, 13, DARK)

def glyph_timebar(c, o):
    c.rect(o + 1, 2, o + 14, 12, WHITE); c.frame(o + 1, 2, o + 14, 12, DARK)
    for x in range(o + 3, o + 14, 3):
        c.rect(x, 3, x, 5, BLUE)
    c.rect(o + 3, 8, o + 10, 10, BLUE)

def glyph_blank(c, o):
    pass

def glyph_zoom_in(c, o):
    c.frame(o + 2, 2, o + 10, 10, DARK); c.rect(o + 4, 6, o + 8, 6, BLACK); c.rect(o + 6, 4, o + 6, 8, BLACK)
    c.rect(o + 11, 11, o + 13, 13, DARK)

def glyph_zoom_out(c, o):
    c.frame(o + 2, 2, o + 10, 10, DARK); c.rect(o + 4, 6, o + 8, 6, BLACK); c.rect(o + 11, 11, o + 13, 13, DARK)

def funnel(c, o, colour):
    for i, y in enumerate(range(2, 8)):
        c.rect(o + 1 + i, y, o + 14 - i, y, colour)
    c.rect(o + 6, 8, o + 9, 13, colour)

def glyph_filter(c, o):
    funnel(c, o, BLUE)

def glyph_filter_on(c, o):
    funnel(c, o, DARK); c.rect(o + 10, 10, o + 14, 14, GREEN)

def glyph_reports(c, o):
    c.rect(o + 3, 1, o + 12, 13, WHITE); c.frame(o + 3, 1, o + 12, 13, DARK)
    for y in (4, 6, 8, 10):
        c.rect(o + 5, y, o + 10, y, RED if y == 4 else DARK)


TOOLBAR = [glyph_open, glyph_reload, glyph_print, glyph_copy, glyph_timebar, glyph_blank,
           glyph_zoom_in, glyph_zoom_out, glyph_filter, glyph_filter_on, glyph_reports]


def bmp_rows(canvas):
    """Bottom-up 24-bit rows, each padded to four bytes."""
    out = b""
    pad = (4 - (canvas.w * 3) % 4) % 4
    for y in range(canvas.h - 1, -1, -1):
        for (r, g, b) in canvas.px[y]:
            out += bytes((b, g, r))
        out += b"\0" * pad
    return out


def write_bmp(path, canvas):
    pixels = bmp_rows(canvas)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    filehead = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(filehead + header + pixels)


def icon_image(canvas, transparent=None):
    """One ICO image: 32-bit BGRA rows bottom-up, then the AND mask (set where `transparent`)."""
    xor = b""
    mask_row = ((canvas.w + 31) // 32) * 4
    mask = b""
    for y in range(canvas.h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x, (r, g, b) in enumerate(canvas.px[y]):
            clear = (r, g, b) == transparent
            xor += bytes((b, g, r, 0 if clear else 255))
            if clear:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def board_icon(size):
    c = Canvas(size, size, WHITE)
    s = size / 32.0
    c.frame(0, 0, size - 1, size - 1, DARK)
    c.rect(1, 1, size - 2, int(6 * s), BLUE)
    rows = [(GREEN, 4, 18), (RED, 10, 28), (YELLOW, 6, 20), (BLUE, 14, 27)]
    for i, (colour, x0, x1) in enumerate(rows):
        y = int((10 + i * 5) * s)
        c.rect(int(x0 * s), y, int(x1 * s), y + max(1, int(3 * s)), colour)
    return c


def write_ico(path, canvases, transparent=None):
    images = [icon_image(c, transparent) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


# Buttons of the print preview's bar, 32 x 32 on a transparent ground.
CLEAR = (255, 0, 255)


def triangle(c, x0, y0, size, tip_left, colour):
    """An isosceles triangle in a size x size box, its tip to the left or to the right."""
    for i in range(size):
        inset = (size - 1 - i) // 2 if tip_left else i // 2
        c.rect(x0 + i, y0 + inset, x0 + i, y0 + size - 1 - inset, colour)


def arrow_icon(right, bar):
    c = Canvas(32, 32, CLEAR)
    if right:
        triangle(c, 5, 6, 20, False, BLUE)
        if bar:
            c.rect(25, 6, 27, 25, BLUE)
    else:
        triangle(c, 7, 6, 20, True, BLUE)
        if bar:
            c.rect(4, 6, 6, 25, BLUE)
    return c


def magnifier_icon(plus):
    c = Canvas(32, 32, CLEAR)
    for y in range(32):
        for x in range(32):
            d = (x - 13) ** 2 + (y - 13) ** 2
            if 64 <= d <= 100:
                c.put(x, y, DARK)
            elif d < 64:
                c.put(x, y, WHITE)
    for i in range(9):
        c.rect(19 + i, 19 + i, 21 + i, 21 + i, DARK)
    c.rect(9, 12, 17, 14, BLACK)
    if plus:
        c.rect(12, 9, 14, 17, BLACK)
    return c


def printer_icon():
    c = Canvas(32, 32, CLEAR)
    c.rect(9, 3, 22, 12, WHITE); c.frame(9, 3, 22, 12, DARK)
    c.rect(3, 12, 28, 24, DARK); c.rect(5, 14, 8, 15, GREEN)
    c.rect(9, 20, 22, 29, WHITE); c.frame(9, 20, 22, 29, DARK)
    for y in (23, 26):
        c.rect(11, y, 20, y, BLUE)
    return c


PREVIEW_ICONS = {
    "PreviewFirst.ico": lambda: arrow_icon(False, True),
    "PreviewPrev.ico": lambda: arrow_icon(False, False),
    "PreviewNext.ico": lambda: arrow_icon(True, False),
    "PreviewLast.ico": lambda: arrow_icon(True, True),
    "PreviewZoomIn.ico": lambda: magnifier_icon(True),
    "PreviewZoomOut.ico": lambda: magnifier_icon(False),
    "PreviewPrint.ico": printer_icon,
}


def main():
    os.makedirs(ART, exist_ok=True)
    strip = Canvas(16 * len(TOOLBAR), 15, GREY)
    for i, draw in enumerate(TOOLBAR):
        draw(strip, i * 16)
    write_bmp(os.path.join(ART, "Toolbar.bmp"), strip)
    write_ico(os.path.join(ART, "Viewer.ico"), [board_icon(32), board_icon(16)])
    for name, draw in PREVIEW_ICONS.items():
        write_ico(os.path.join(ART, name), [draw()], CLEAR)


if __name__ == "__main__":
    main()
