#!/usr/bin/env python3
"""Draws the icon of the sort dialog's "sort by name" button (an A over a Z beside a down arrow,
32 x 32 on a transparent ground) and writes it into resources/art."""
import os

from make_art import ART, BLUE, DARK, Canvas, write_ico

CLEAR = (255, 0, 255)

# 5 x 7 letters, one string a row.
LETTER_A = [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"]
LETTER_Z = ["#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"]


def letter(c, x0, y0, rows, colour):
    for y, row in enumerate(rows):
        for x, cell in enumerate(row):
            if cell == "#":
                c.rect(x0 + 2 * x, y0 + 2 * y, x0 + 2 * x + 1, y0 + 2 * y + 1, colour)


def sort_icon():
    c = Canvas(32, 32, CLEAR)
    letter(c, 2, 1, LETTER_A, DARK)
    letter(c, 2, 17, LETTER_Z, DARK)
    c.rect(22, 3, 24, 22, BLUE)
    for i in range(7):
        c.rect(17 + i, 22 + i, 29 - i, 22 + i, BLUE)
    return c


def main():
    os.makedirs(ART, exist_ok=True)
    write_ico(os.path.join(ART, "SortByName.ico"), [sort_icon()], CLEAR)


if __name__ == "__main__":
    main()
