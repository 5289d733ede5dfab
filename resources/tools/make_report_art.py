#!/usr/bin/env python3
"""Draws the report plug-in's two pictures in the resource library (the heading image of the
report options tree and the icon of the period button) and writes them into resources/art."""
import os

from make_art import ART, BLACK, BLUE, DARK, RED, WHITE, Canvas, write_bmp, write_ico

MAGENTA = (255, 0, 255)  # transparent in the options tree's image list


def group_image():
    """A page with a folded corner: one 16-pixel image."""
    c = Canvas(16, 16, MAGENTA)
    c.rect(3, 1, 12, 14, WHITE)
    c.frame(3, 1, 12, 14, DARK)
    for y in (4, 7, 10):
        c.rect(5, y, 10, y, BLUE)
    return c


def period_icon():
    """A calendar sheet with two marked days."""
    c = Canvas(16, 16, WHITE)
    c.frame(1, 2, 14, 14, DARK)
    c.rect(1, 2, 14, 5, RED)
    c.rect(4, 0, 4, 3, BLACK)
    c.rect(11, 0, 11, 3, BLACK)
    c.rect(4, 8, 6, 10, BLUE)
    c.rect(9, 8, 11, 10, BLUE)
    return c


def main():
    os.makedirs(ART, exist_ok=True)
    write_bmp(os.path.join(ART, "ReportGroup.bmp"), group_image())
    write_ico(os.path.join(ART, "ReportPeriod.ico"), [period_icon()])


if __name__ == "__main__":
    main()
