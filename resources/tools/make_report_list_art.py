#!/usr/bin/env python3
"""Draws the heading image of the option groups of the task-list pages (columns and sums) and
writes it into resources/art."""
import os

from make_art import ART, BLUE, DARK, WHITE, Canvas, write_bmp

MAGENTA = (255, 0, 255)  # transparent in the options tree's image list


def columns_image():
    """A small table with three columns: one 16-pixel image."""
    c = Canvas(16, 16, MAGENTA)
    c.rect(1, 2, 14, 13, WHITE)
    c.frame(1, 2, 14, 13, DARK)
    c.rect(2, 3, 13, 4, BLUE)
    for x in (5, 10):
        c.rect(x, 3, x, 12, DARK)
    return c


def main():
    os.makedirs(ART, exist_ok=True)
    write_bmp(os.path.join(ART, "ReportListGroup.bmp"), columns_image())


if __name__ == "__main__":
    main()
