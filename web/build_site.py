#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the static site: the page with the Measures text built in, the core, the service
worker with its list of files, the manifest and the icons, all into one folder.

build_site.py --core build-web/wasm/web/courtfee.js --out build-web/site
"""
import argparse
import hashlib
import html
import json
import shutil
import struct
import zlib
from pathlib import Path

WEB = Path(__file__).resolve().parent
ROOT = WEB.parent

# Files copied as they are.
COPIED = ["style.css", "app.js", "courtfee.mjs", "courtfee.d.ts", "manifest.webmanifest"]


def read_png_rgba(path):
    """Decodes an 8-bit RGBA, non-interlaced PNG such as resources/icons/main.png."""
    data = path.read_bytes()
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise SystemExit(f"{path}: expected an 8-bit RGBA PNG")
    raw, stride, rows, prev = zlib.decompress(idat), width * 4, [], bytes(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = prev[x]
            c = prev[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + b) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append([tuple(line[i:i + 4]) for i in range(0, stride, 4)])
        prev = bytes(line)
    return rows


def write_png(path, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                     + chunk(b"IEND", b""))


def scaled_icon(pixels, size, scale, background):
    """The 32-pixel icon, each pixel a scale x scale block, centred on a size x size square."""
    art = len(pixels) * scale
    margin = (size - art) // 2
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            ay, ax = y - margin, x - margin
            px = pixels[ay // scale][ax // scale] if 0 <= ay < art and 0 <= ax < art else (0, 0, 0, 0)
            if background and px[3] < 255:
                alpha = px[3] / 255
                px = tuple(round(px[i] * alpha + background[i] * (1 - alpha)) for i in range(3)) + (255,)
            row.append(px)
        rows.append(row)
    return rows


def write_icons(out):
    icons = out / "icons"
    icons.mkdir()
    shutil.copyfile(ROOT / "resources/icons/main.png", icons / "icon-32.png")
    shutil.copyfile(ROOT / "resources/icons/measures.png", icons / "measures-32.png")
    pixels = read_png_rgba(ROOT / "resources/icons/main.png")
    face = (240, 240, 240)
    write_png(icons / "icon-192.png", scaled_icon(pixels, 192, 6, None))
    write_png(icons / "icon-512.png", scaled_icon(pixels, 512, 16, None))
    # A home-screen icon has no transparency; a maskable one keeps its art in the middle 80 %.
    write_png(icons / "icon-180.png", scaled_icon(pixels, 180, 5, face))
    write_png(icons / "icon-maskable-512.png", scaled_icon(pixels, 512, 12, face))


def embed_wasm(glue, wasm):
    """The loader with the module in place of its marker, as a string of one character per byte.
    Bytes 0x80-0xFF become U+0080-U+00FF (two bytes of UTF-8), which gzip takes back."""
    text = glue.read_text(encoding="utf-8")
    markers = [m for m in ("'@EMBEDDED_WASM@'", '"@EMBEDDED_WASM@"') if m in text]
    if len(markers) != 1 or text.count(markers[0]) != 1:
        raise SystemExit(f"{glue}: the marker for the WebAssembly must appear once")
    escapes = {ord("\\"): "\\\\", ord('"'): '\\"', ord("\n"): "\\n", ord("\r"): "\\r"}
    data = wasm.read_bytes()
    parts = []
    for i, byte in enumerate(data):
        if byte == 0:
            # "\0" before a digit would read as an octal escape, which strict code refuses.
            parts.append("\\x00" if i + 1 < len(data) and 0x30 <= data[i + 1] <= 0x39 else "\\0")
        else:
            parts.append(escapes.get(byte, chr(byte)))
    return text.replace(markers[0], '"' + "".join(parts) + '"')


def write_page(out, measures):
    text = measures.read_text(encoding="utf-8").replace("\r\n", "\n")
    page = (WEB / "index.html").read_text(encoding="utf-8")
    marker = "<!-- measures -->"
    if page.count(marker) != 1:
        raise SystemExit("index.html: the Measures marker must appear once")
    # A textarea's content starts after one leading line break, which the parser drops.
    (out / "index.html").write_text(page.replace(marker, "\n" + html.escape(text, quote=False)),
                                    encoding="utf-8")


def write_service_worker(out):
    files = sorted(str(p.relative_to(out)) for p in out.rglob("*") if p.is_file())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (out / name).read_bytes())
    listed = ["./"] + files
    worker = (WEB / "sw.js").read_text(encoding="utf-8")
    worker = worker.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", json.dumps(listed))
    (out / "sw.js").write_text(worker, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--core", required=True, type=Path,
                        help="courtfee.js from the Emscripten build, courtfee.wasm beside it")
    parser.add_argument("--out", required=True, type=Path)
    parser.add_argument("--measures", type=Path, default=ROOT / "resources/measures.txt")
    args = parser.parse_args()

    out = args.out
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    (out / "courtfee.js").write_text(embed_wasm(args.core, args.core.with_suffix(".wasm")), encoding="utf-8")
    for name in COPIED:
        shutil.copyfile(WEB / name, out / name)
    write_page(out, args.measures)
    write_icons(out)
    write_service_worker(out)


if __name__ == "__main__":
    main()
