#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the program's icons, with nothing but the standard library.

main.png     the calculator window's and the application's icon, 32x32: 24-bit colour with a
             transparency mask; a pale-blue grid of cells under a darker blue bar, one cell
             outlined in red.
main.ico     the same icon for courtfee.exe, in the sizes Windows asks for: 16, 24, 32 and 48
             pixels, each drawn on its own whole-pixel layout (LAYOUTS) so that no line is
             blurred by scaling; 64 and 256 pixels are the 32 with each pixel made 2x2 and 8x8,
             for Explorer's large views and high-DPI screens. Every image is stored as a PNG,
             which Windows reads in icons since Vista; the 32 is main.png byte for byte.
measures.png the fee-rules window's icon, 32x32: 256 colours (8 bits per pixel); a page of rules
             with a red seal.

Run it from this folder to regenerate them: python3 draw_icons.py
"""
import collections
import struct
import zlib

SIZE = 32


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(header, rows, extra=b""):
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_png(path, header, rows, extra=b""):
    with open(path, "wb") as out:
        out.write(png_bytes(header, rows, extra))


# Where the calculator icon's parts sit at each size, in whole pixels: the bar's left edge, top,
# width, height and highlighted top rows, the rows between the bar and the grid, and the step
# from one grid line to the next across and down (a cell plus one line). Every size is drawn from
# its own numbers rather than scaled from another, so each line lands on a whole pixel.
Layout = collections.namedtuple(
    "Layout", "left top bar_width bar_height highlight gap step_x step_y")
LAYOUTS = {
    16: Layout(2, 1, 13, 3, 1, 1, 3, 3),
    24: Layout(2, 2, 21, 6, 1, 1, 5, 4),
    # As main.png has always been drawn; the bar stops one pixel short of the grid's right edge.
    32: Layout(2, 2, 28, 8, 1, 1, 7, 6),
    48: Layout(4, 3, 41, 12, 1, 2, 10, 9),
}
# Sizes drawn as whole-pixel copies of another, for Explorer's largest views and high-DPI screens.
ENLARGED = {64: (32, 2), 256: (32, 8)}


def main_icon(size):
    """The calculator icon at size x size pixels, as rows of (red, green, blue, alpha)."""
    if size in ENLARGED:
        base, factor = ENLARGED[size]
        return enlarged(main_icon(base), factor)
    clear = (0, 0, 0, 0)
    bar = (30, 70, 160, 255)
    bar_light = (70, 115, 200, 255)
    grid_line = (90, 130, 190, 255)
    cell = (200, 225, 250, 255)
    red = (220, 30, 30, 255)
    at = LAYOUTS[size]
    px = [[clear] * size for _ in range(size)]
    # The darker bar, like a calculator's display.
    for y in range(at.top, at.top + at.bar_height):
        for x in range(at.left, at.left + at.bar_width):
            px[y][x] = bar_light if y < at.top + at.highlight else bar
    # Four by three cells with one-pixel grid lines; neighbouring cells share a line.
    grid_top = at.top + at.bar_height + at.gap

    def draw_cell(col, row, edge_colour, inside_colour=None):
        x0, y0 = at.left + col * at.step_x, grid_top + row * at.step_y
        x1, y1 = x0 + at.step_x, y0 + at.step_y
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if y in (y0, y1) or x in (x0, x1):
                    px[y][x] = edge_colour
                elif inside_colour:
                    px[y][x] = inside_colour

    for row in range(3):
        for col in range(4):
            draw_cell(col, row, grid_line, cell)
    # One cell outlined in red: the result.
    draw_cell(3, 2, red)
    return px


def write_main_icons():
    write_png("main.png", *rgba_png(main_icon(32)))
    write_ico("main.ico", [rgba_png(main_icon(size)) for size in (16, 24, 32, 48, 64, 256)])


def rgba_png(px):
    rows = [bytes(v for p in line for v in p) for line in px]
    return struct.pack(">IIBBBBB", len(px), len(px), 8, 6, 0, 0, 0), rows


def enlarged(px, factor):
    return [[p for p in line for _ in range(factor)] for line in px for _ in range(factor)]


def write_ico(path, images):
    """An icon directory whose entries are whole PNG files, as Windows Vista and later read."""
    pngs = [(struct.unpack(">I", header[:4])[0], png_bytes(header, rows))
            for header, rows in images]
    offset = 6 + 16 * len(pngs)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(pngs)))
        for size, data in pngs:
            # A width and height of 0 in the directory mean 256.
            out.write(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data),
                                  offset))
            offset += len(data)
        for _, data in pngs:
            out.write(data)


def measures_icon():
    palette = [(0, 0, 0)] * 256
    named = {
        "back": (212, 208, 200), "page": (255, 255, 255), "edge": (110, 110, 110),
        "fold": (190, 190, 190), "text": (40, 40, 90), "title": (20, 20, 20), "seal": (200, 20, 20),
    }
    index = {}
    for i, (name, rgb) in enumerate(named.items()):
        palette[i] = rgb
        index[name] = i
    # A gentle ramp fills the rest of the palette, so the file is a true 256-colour image.
    for i in range(len(named), 256):
        palette[i] = (i, i, 255 - i // 2)
    px = [[index["back"]] * SIZE for _ in range(SIZE)]
    x0, y0, x1, y1 = 6, 2, 25, 29
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            px[y][x] = index["edge"] if edge else index["page"]
    for k in range(5):  # the folded corner
        for x in range(x1 - 4 + k, x1 + 1):
            px[y0 + k][x] = index["back"]
        px[y0 + k][x1 - 5 + k] = index["edge"]
        for x in range(x1 - 4, x1 - 4 + k):
            px[y0 + 4][x] = index["fold"] if k < 4 else index["edge"]
    for x in range(9, 18):
        px[5][x] = index["title"]
    for y in range(9, 26, 3):  # lines of text
        for x in range(9, 23 if y % 2 else 20):
            px[y][x] = index["text"]
    for y in range(21, 27):  # the seal
        for x in range(16, 23):
            if (x - 19) ** 2 + (y - 24) ** 2 <= 9:
                px[y][x] = index["seal"]
    rows = [bytes(line) for line in px]
    plte = chunk(b"PLTE", bytes(v for rgb in palette for v in rgb))
    write_png("measures.png", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0), rows, plte)


if __name__ == "__main__":
    write_main_icons()
    measures_icon()
