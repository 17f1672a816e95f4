#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the program's two 32x32 icons as PNG files, with nothing but the standard library.

main.png     the main window's and the application's icon: 24-bit colour with a transparency
             mask; a pale-blue grid of cells under a darker blue bar, one cell outlined in red.
main.ico     the same icon for courtfee.exe, as Windows picks a size: 16 (each pixel the mean
             of four), 32, and 64 pixels (each pixel doubled), stored as PNG images.
measures.png the fee-rules window's icon: 256 colours (8 bits per pixel); a page of rules with
             a red seal.

Run it from this folder to regenerate them: python3 draw_icons.py
"""
import os
import struct
import zlib

SIZE = 32


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, header, rows, extra=b""):
    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(extra)
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main_icon():
    clear = (0, 0, 0, 0)
    bar = (30, 70, 160, 255)
    bar_light = (70, 115, 200, 255)
    grid_line = (90, 130, 190, 255)
    cell = (200, 225, 250, 255)
    red = (220, 30, 30, 255)
    px = [[clear] * SIZE for _ in range(SIZE)]
    # The darker bar, like a calculator's display.
    for y in range(2, 10):
        for x in range(2, 30):
            px[y][x] = bar_light if y == 2 else bar
    # Four by three cells of 6 x 5 pixels with one-pixel grid lines.
    left, top, cw, ch = 2, 11, 7, 6
    for row in range(3):
        for col in range(4):
            x0, y0 = left + col * cw, top + row * ch
            for y in range(y0, y0 + ch + 1):
                for x in range(x0, x0 + cw + 1):
                    edge = y in (y0, y0 + ch) or x in (x0, x0 + cw)
                    px[y][x] = grid_line if edge else cell
    # One cell outlined in red: the result.
    x0, y0 = left + 3 * cw, top + 2 * ch
    for y in range(y0, y0 + ch + 1):
        for x in range(x0, x0 + cw + 1):
            if y in (y0, y0 + ch) or x in (x0, x0 + cw):
                px[y][x] = red
    write_png("main.png", *rgba_png(px))
    write_ico("main.ico", [rgba_png(halved(px)), rgba_png(px), rgba_png(doubled(px))])


def rgba_png(px):
    rows = [bytes(v for p in line for v in p) for line in px]
    return struct.pack(">IIBBBBB", len(px), len(px), 8, 6, 0, 0, 0), rows


def halved(px):
    n = len(px) // 2
    return [[tuple(sum(px[2 * y + dy][2 * x + dx][c] for dy in (0, 1) for dx in (0, 1)) // 4
                   for c in range(4)) for x in range(n)] for y in range(n)]


def doubled(px):
    return [[p for p in line for _ in (0, 1)] for line in px for _ in (0, 1)]


def write_ico(path, images):
    """An icon directory whose entries are whole PNG files, as Windows Vista and later read."""
    pngs = []
    for header, rows in images:
        write_png(path + ".part", header, rows)
        with open(path + ".part", "rb") as part:
            pngs.append((struct.unpack(">I", header[:4])[0], part.read()))
    os.remove(path + ".part")
    offset = 6 + 16 * len(pngs)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(pngs)))
        for size, data in pngs:
            out.write(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset))
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
    main_icon()
    measures_icon()
