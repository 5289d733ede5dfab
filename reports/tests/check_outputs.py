#!/usr/bin/env python3
"""Checks, on the Linux side, the files the report tests left in build/tests/reports_out: every
PNG decodes (chunk CRCs, zlib stream, row filters) to the pattern the test drew, and every HTML
page is UTF-16 with a byte-order mark whose elements open and close in order and whose links and
pictures name files beside it."""
import csv
import html.parser
import io
import os
import glob
import shutil
import struct
import subprocess
import sys
import urllib.parse
import zlib

VOID = {"br", "hr", "img", "meta", "link", "input", "col", "area", "base", "param"}
# Elements the report pages always close; <p> is closed too, since the pages write "</p>".
CLOSED = {"html", "head", "title", "style", "body", "table", "tr", "td", "th", "p", "h2", "h3", "small", "b", "a",
          "font", "div"}


def png_rows(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "signature"
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        crc = struct.unpack(">I", data[at + 8 + length:at + 12 + length])[0]
        assert zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "CRC of " + kind.decode()
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
        if kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour == 2 and interlace == 0, "8-bit RGB, not interlaced"
    raw = zlib.decompress(idat)
    stride = 3 * width
    assert len(raw) == height * (stride + 1), "row count"
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 3] if x >= 3 else 0
            up = previous[x]
            corner = previous[x - 3] if x >= 3 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[x] = (line[x] + pred) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def check_pattern(path):
    """The test's pattern: red 40 * x, green 40 * y from the top, blue 200."""
    width, height, rows = png_rows(path)
    for y, row in enumerate(rows):
        for x in range(width):
            assert tuple(row[3 * x:3 * x + 3]) == (40 * x, 40 * y, 200), "pixel %d,%d of %s" % (x, y, path)
    return width, height


class Balance(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.stack = []
        self.targets = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if (tag, name) in (("a", "href"), ("img", "src")):
                self.targets.append(value)
        if tag in CLOSED:
            self.stack.append(tag)
        elif tag not in VOID:
            raise AssertionError("unexpected element " + tag)

    def handle_endtag(self, tag):
        assert self.stack and self.stack[-1] == tag, "</%s> closes %s" % (tag, self.stack[-1:] or "nothing")
        self.stack.pop()


def check_html(path):
    data = open(path, "rb").read()
    assert data[:2] == b"\xff\xfe", "byte-order mark"
    text = data[2:].decode("utf-16-le")
    assert text.startswith("<!DOCTYPE HTML PUBLIC"), "doctype first"
    parser = Balance()
    parser.feed(text)
    parser.close()
    assert not parser.stack, "left open: " + ", ".join(parser.stack)
    for target in parser.targets:
        # A browser reads the attribute as a URL relative to the page.
        name = urllib.parse.unquote(urllib.parse.urlsplit(target).path)
        assert os.path.isfile(os.path.join(os.path.dirname(path), name)), "link to a missing file: " + target


def check_quoted_export(path):
    """The task list exported with a task named a<TAB>b "c" with a note of two lines, and one named
    "Quoted start" end."""
    data = open(path, "rb").read()
    assert data[:2] == b"\xff\xfe", "byte-order mark"
    rows = list(csv.reader(io.StringIO(data[2:].decode("utf-16-le"), newline=""), delimiter="\t"))
    assert len(rows) == 3 and all(len(row) == 7 for row in rows), "rows of seven cells: %r" % rows
    assert rows[1][0] == 'a\tb "c"', "name cell %r" % rows[1][0]
    assert rows[1][1] == "Anna" and rows[1][6] == "First\nsecond", "row %r" % rows[1]
    assert rows[2][0] == '"Quoted start" end', "name cell %r" % rows[2][0]


def main(folder):
    expected_png = {"plan1.png": (3, 2), "plan2.png": (3, 3), "plan3.png": (3, 4), "single.png": (5, 5)}
    expected_html = ["filters.htm", "nofilters.htm", "tbr_grouped.htm", "tbr_single.htm", "tbr_none.htm",
                     "tbr_index.htm", "tbr_index1.htm", "tbr_index2.htm", "tbr_index3.htm", "tbr_index4.htm",
                     "tasklist.htm", "tasklist_one.htm", "tasklist_none.htm", "holidays.htm", "noholidays.htm",
                     "calendars.htm", "calendars1.htm", "calendars2.htm", "calendars3.htm", "resources.htm",
                     "noresources.htm", "schedule.htm", "Q#1 %.htm"]
    failures = 0
    for name, size in expected_png.items():
        try:
            assert check_pattern(os.path.join(folder, name)) == size, "size"
            print("ok   " + name)
        except (AssertionError, OSError, zlib.error, TypeError) as error:
            failures += 1
            print("FAIL %s: %s" % (name, error))
    # The schedule chart's tiles, read by the PNG checker users have at hand.
    charts = sorted(glob.glob(os.path.join(folder, "schedule*.png")))
    if not charts:
        failures += 1
        print("FAIL schedule*.png: none written")
    elif shutil.which("pngcheck"):
        run = subprocess.run(["pngcheck", "-q"] + charts, capture_output=True, text=True)
        if run.returncode != 0:
            failures += 1
            print("FAIL pngcheck: " + (run.stdout + run.stderr).strip())
        else:
            print("ok   pngcheck of %d chart tiles" % len(charts))
    for name in expected_html:
        try:
            check_html(os.path.join(folder, name))
            print("ok   " + name)
        except (AssertionError, OSError, UnicodeDecodeError) as error:
            failures += 1
            print("FAIL %s: %s" % (name, error))
    try:
        check_quoted_export(os.path.join(folder, "tasklist_quoted.txt"))
        print("ok   tasklist_quoted.txt")
    except (AssertionError, OSError, UnicodeDecodeError, csv.Error) as error:
        failures += 1
        print("FAIL tasklist_quoted.txt: %s" % error)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
