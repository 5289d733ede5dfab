#!/usr/bin/env python3
"""Draws the window-controls library's pictures (check boxes, radio buttons, marks, the date
edit's drop-down glyph and the hand cursor) as plain pixel art into controls/art. Run it again
after changing a glyph."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "..", "art")

WHITE = (255, 255, 255)
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
BOX = (254, 254, 254)  # a box interior that a white transparency key leaves opaque
BLUE = (0, 64, 160)


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


def write_bmp(name, canvas):
    row = (canvas.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        line = bytearray()
        for x in range(canvas.w):
            r, g, b = canvas.px[y][x]
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(ART, name), "wb") as f:
        f.write(header + info + data)


def check_mark(c, x0, y0, colour):
    # A 7 x 7 tick inside a box whose inner area starts at (x0, y0).
    for i, (dx, dy) in enumerate([(0, 2), (0, 3), (0, 4), (1, 3), (1, 4), (1, 5), (2, 4), (2, 5), (2, 6),
                                  (3, 3), (3, 4), (3, 5), (4, 2), (4, 3), (4, 4), (5, 1), (5, 2), (5, 3),
                                  (6, 0), (6, 1), (6, 2)]):
        c.put(x0 + dx, y0 + dy, colour)


def check_box(c, o, checked, colour, inner):
    c.rect(o + 2, 2, o + 14, 14, inner)
    c.frame(o + 2, 2, o + 14, 14, colour)
    if checked:
        check_mark(c, o + 5, 5, colour)


def radio(c, o, on, colour, inner):
    rows = ["....XXXXX....", "..XX.....XX..", ".X.........X.", ".X.........X.", "X...........X",
            "X...........X", "X...........X", "X...........X", "X...........X", ".X.........X.",
            ".X.........X.", "..XX.....XX..", "....XXXXX...."]
    for y, line in enumerate(rows):
        inside = False
        for x, ch in enumerate(line):
            if ch == "X":
                c.put(o + 2 + x, 2 + y, colour)
        # fill the inside between the outline's ends
        xs = [x for x, ch in enumerate(line) if ch == "X"]
        if len(xs) >= 2:
            for x in range(xs[0] + 1, xs[-1]):
                if line[x] != "X":
                    c.put(o + 2 + x, 2 + y, inner)
    if on:
        c.rect(o + 6, 6, o + 10, 10, colour)
        c.put(o + 6, 6, inner); c.put(o + 10, 6, inner); c.put(o + 6, 10, inner); c.put(o + 10, 10, inner)


def check_tree_states():
    # State images 0 (unused by tree views) to 4; white is transparent.
    c = Canvas(16 * 5, 16, WHITE)
    check_box(c, 16, False, BLACK, BOX)
    check_box(c, 32, True, BLACK, BOX)
    check_box(c, 48, False, BLACK, BOX)
    c.rect(48 + 6, 6, 48 + 10, 10, GREY)  # a checked descendant
    check_box(c, 64, True, BLACK, BOX)
    c.rect(64 + 3, 12, 64 + 13, 13, GREY)
    write_bmp("CheckTreeStates.bmp", c)


def options_tree_images():
    # 0 check off, 1 check on, 2 radio off, 3 radio on, 4 to 7 the same inactive, 8 heading.
    c = Canvas(16 * 9, 16, MAGENTA)
    check_box(c, 0, False, BLACK, WHITE)
    check_box(c, 16, True, BLACK, WHITE)
    radio(c, 32, False, BLACK, WHITE)
    radio(c, 48, True, BLACK, WHITE)
    check_box(c, 64, False, GREY, LIGHT)
    check_box(c, 80, True, GREY, LIGHT)
    radio(c, 96, False, GREY, LIGHT)
    radio(c, 112, True, GREY, LIGHT)
    c.rect(128 + 1, 4, 128 + 14, 13, (240, 200, 40))
    c.frame(128 + 1, 4, 128 + 14, 13, (96, 72, 0))
    c.rect(128 + 1, 2, 128 + 6, 3, (96, 72, 0))
    write_bmp("OptionsTreeImages.bmp", c)


def date_drop_down():
    # A small calendar sheet; magenta is transparent.
    c = Canvas(12, 11, MAGENTA)
    c.rect(0, 1, 11, 10, WHITE)
    c.frame(0, 1, 11, 10, BLACK)
    c.rect(0, 1, 11, 3, BLUE)
    for y in (5, 7, 9):
        for x in (2, 4, 6, 8):
            c.put(x, y, BLACK)
    c.put(3, 0, BLACK); c.put(8, 0, BLACK)
    write_bmp("DateDropDown.bmp", c)


def check_group_marks():
    # 0 active mark, 1 inactive mark; white is transparent.
    c = Canvas(18, 9, WHITE)
    check_mark(c, 1, 1, BLACK)
    check_mark(c, 10, 1, GREY)
    write_bmp("CheckGroupMarks.bmp", c)


HAND = [
    "......XX........",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..XXX.....",
    ".....X..X..XXX..",
    ".....X..X..X..XX",
    "..XX.X........X.X",
    "..X..X..........X",
    "..X.............X",
    "...X............X",
    "...X...........X.",
    "....X..........X.",
    "....X.........X..",
    ".....X........X..",
    ".....XXXXXXXXXX..",
]


def hand_cursor():
    size = 32
    xor = [[0] * size for _ in range(size)]
    andm = [[1] * size for _ in range(size)]
    for y, line in enumerate(HAND):
        xs = [x for x, ch in enumerate(line) if ch == "X"]
        if not xs:
            continue
        for x in range(xs[0], xs[-1] + 1):
            andm[y][x] = 0
            xor[y][x] = 0 if line[x] == "X" else 1  # outline black, inside white

    def plane(bits):
        out = bytearray()
        for y in range(size - 1, -1, -1):
            for bx in range(0, size, 8):
                v = 0
                for i in range(8):
                    v = (v << 1) | bits[y][bx + i]
                out.append(v)
        return out

    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + colours + plane(xor) + plane(andm)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, 6, 0, len(image), 6 + 16)
    with open(os.path.join(ART, "Hand.cur"), "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    os.makedirs(ART, exist_ok=True)
    check_tree_states()
    options_tree_images()
    date_drop_down()
    check_group_marks()
    hand_cursor()
