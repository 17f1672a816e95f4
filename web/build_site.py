#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the static site: the page with the window's controls built in, the Measures' text as a
script, the core (courtfee.js, its WebAssembly as courtfee.wasm for HTTP and inside
courtfee-wasm.js for a page opened from disk), the service worker with its list of files, the
manifest and the icons, all into one folder. The controls' markup and places come from the
window's control table in the freshly built core (present/form_layout.h), read under Node.

build_site.py --core build-web/wasm/bin/courtfee.js --out build-web/site
"""
import argparse
import base64
import hashlib
import html
import json
import os
import re
import shutil
import struct
import subprocess
import zlib
from pathlib import Path

WEB = Path(__file__).resolve().parent
ROOT = WEB.parent

# Files copied as they are.
COPIED = ["app.js", "courtfee.mjs", "courtfee.d.ts", "manifest.webmanifest"]


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


def embed_wasm(out, wasm):
    """courtfee-wasm.js: the module in place of its marker, as a string of one character per byte.
    Bytes 0x80-0xFF become U+0080-U+00FF (two bytes of UTF-8), which gzip takes back."""
    text = (WEB / "courtfee-wasm.js").read_text(encoding="utf-8")
    marker = "'@EMBEDDED_WASM@'"
    if text.count(marker) != 1:
        raise SystemExit("courtfee-wasm.js: the marker for the WebAssembly must appear once")
    escapes = {ord("\\"): "\\\\", ord('"'): '\\"', ord("\n"): "\\n", ord("\r"): "\\r"}
    data = wasm.read_bytes()
    parts = []
    for i, byte in enumerate(data):
        if byte == 0:
            # "\0" before a digit would read as an octal escape, which strict code refuses.
            parts.append("\\x00" if i + 1 < len(data) and 0x30 <= data[i + 1] <= 0x39 else "\\0")
        else:
            parts.append(escapes.get(byte, chr(byte)))
    text = text.replace(marker, '"' + "".join(parts) + '"')
    (out / "courtfee-wasm.js").write_text(text, encoding="utf-8")


def fill(text, name, marker, value, count=1):
    """The text with the marker replaced by value; the marker must appear count times."""
    if text.count(marker) != count:
        raise SystemExit(f"{name}: the marker {marker} must appear {count} times")
    return text.replace(marker, value)


def read_control_table(site):
    """The two windows as data, from the core just written into the site, run under Node; with
    them the phone's pickers as the window opens: the classes, the first class's kinds, the first
    kind's types."""
    script = ("const { default: CourtFee } = await import(process.env.ZQ_CORE_URL);"
              "const core = await CourtFee(); const kinds = core.kindsOf(0);"
              "process.stdout.write(JSON.stringify(Object.assign(core.controlTable(), { pickers: {"
              "classes: [core.classText(0), core.classText(1)], kinds, types: core.typesOf(kinds[0]) } })));")
    node = os.environ.get("NODE", shutil.which("node") or "node")
    env = dict(os.environ, ZQ_CORE_URL=(site / "courtfee.mjs").resolve().as_uri())
    answer = subprocess.run([node, "--input-type=module", "-e", script], env=env, check=True,
                            capture_output=True, text=True)
    return json.loads(answer.stdout)


def attribute(value):
    return html.escape(value, quote=True)


def control_markup(control, table):
    """One control of the main window as the page draws it, with the window's name as its id."""
    name, caption, kind = control["name"], html.escape(control["caption"], quote=False), control["kind"]
    if kind == "OptionButton":
        group = name.rsplit("_", 1)
        return (f'<span class="option" id="{name}-box"><input type="radio" name="{group[0]}" id="{name}" '
                f'value="{group[1]}"><label for="{name}" id="{name}-caption">{caption}</label></span>')
    if kind == "ListBox":
        return f'<select id="{name}" size="6"></select>'
    if kind == "TextBox":
        return f'<input type="text" id="{name}" inputmode="decimal" autocomplete="off" spellcheck="false">'
    if kind == "Button":
        return f'<button type="button" id="{name}">{caption}</button>'
    if control["buddy"]:
        return f'<label for="{control["buddy"]}" id="{name}">{caption}</label>'
    if control["caption"] == table["makerAddressShown"]:
        # The address opens in a new tab only when clicked, so it takes no focus.
        return (f'<a id="{name}" class="maker" href="{attribute(control["caption"])}" target="_blank" '
                f'rel="noopener noreferrer" tabindex="-1">{caption}</a>')
    return f'<span id="{name}" class="maker">{caption}</span>'


def form1_markup(table):
    """The controls in tab order, each label just before the control it names; the labels that
    name nothing (the maker's lines) in their visual order, where the first of them stands in tab
    order; Line1 where it stands. Option buttons by their array, for the group that holds them
    in the page."""
    controls = sorted(table["controls"], key=lambda control: control["tabIndex"])
    by_buddy = {control["buddy"]: control for control in controls if control["buddy"]}
    makers = sorted((c for c in controls if c["kind"] == "Label" and not c["buddy"]),
                    key=lambda control: (control["top"], control["left"]))
    groups, rest = {}, []
    first_maker = makers and next(control for control in controls if control in makers)
    for control in controls:
        if control["kind"] == "OptionButton":
            if rest:
                raise SystemExit(f"{control['name']}: the option buttons must come first in tab order")
            groups.setdefault(control["name"].rsplit("_", 1)[0], []).append(control_markup(control, table))
        elif control["kind"] != "Label":
            # Line1 stands between the lists and the amount, for reading too.
            if control["top"] > table["line1"]["top"] and '<hr id="Line1">' not in rest:
                rest.append('<hr id="Line1">')
            if control["name"] in by_buddy:
                rest.append(control_markup(by_buddy[control["name"]], table))
            rest.append(control_markup(control, table))
        elif control is first_maker:
            rest.extend(control_markup(maker, table) for maker in makers)
    return groups, rest


def px(*values):
    return [f"{value}px" for value in values]


def place(selector, rect, corner_only=False):
    left, top, width, height = px(rect["left"], rect["top"], rect["width"], rect["height"])
    size = "" if corner_only else f" width: {width}; height: {height};"
    return f"{selector} {{ left: {left}; top: {top};{size} }}"


def form_styles(tables):
    """The windows' sizes and every control's place, in pixels of the client area, and the text
    colours; labels size themselves to their text, so only their corner is given."""
    form1, form2 = tables["form1"], tables["form2"]
    rules = [f":root {{ --form1-width: {form1['width']}px; --form1-height: {form1['height']}px; "
             f"--form2-width: {form2['width']}px; }}",
             f"#Form1 .client {{ width: {form1['width']}px; height: {form1['height']}px; }}",
             f"#Form2 .client {{ width: {form2['width']}px; height: {form2['height']}px; }}"]
    groups = {}
    for control in form1["controls"]:
        if control["kind"] == "OptionButton":
            groups.setdefault(control["name"].rsplit("_", 1)[0], []).append(control)
    for group, members in groups.items():
        left = min(c["left"] for c in members)
        top = min(c["top"] for c in members)
        rules.append(place(f"#{group}", {"left": left, "top": top,
                                          "width": max(c["left"] + c["width"] for c in members) - left,
                                          "height": max(c["top"] + c["height"] for c in members) - top}))
        for c in members:
            rules.append(place(f"#{c['name']}-box", dict(c, left=c["left"] - left, top=c["top"] - top)))
    for control in form1["controls"]:
        if control["kind"] != "OptionButton":
            rules.append(place(f"#{control['name']}", control, corner_only=control["kind"] == "Label"))
        if control["colour"] != "default":
            rules.append(f"#{control['name']} {{ color: var(--{control['colour']}); }}")
    rules.append(place("#Line1", form1["line1"]))
    rules.append(place("#Text1", form2["text1"]))
    return "\n".join(rules)


def window_colours(table):
    """The window's text colours, which the dark scheme replaces with its own."""
    return "\n".join(f"  --{name}: rgb({' '.join(map(str, rgb))});" for name, rgb in table["colours"].items())


def admit_inline_script(page):
    """The page with its policy admitting its one inline script by the script's digest."""
    scripts = re.findall(r"<script>(.*?)</script>", page, re.S)
    if len(scripts) != 1:
        raise SystemExit("index.html: expected one inline script")
    digest = base64.b64encode(hashlib.sha256(scripts[0].encode("utf-8")).digest()).decode("ascii")
    return fill(page, "index.html", "'@INLINE_SCRIPT@'", f"'sha256-{digest}'")


def write_measures(out, measures):
    """measures.js: the Measures' text, which the page puts into the fee-rules panels after its first
    fee; a JSON string is a JavaScript string."""
    text = measures.read_text(encoding="utf-8").replace("\r\n", "\n")
    script = (WEB / "measures.js").read_text(encoding="utf-8")
    script = fill(script, "measures.js", "'@MEASURES@'", json.dumps(text, ensure_ascii=False))
    (out / "measures.js").write_text(script, encoding="utf-8")


def write_page(out, tables):
    form1, form2 = tables["form1"], tables["form2"]
    page = (WEB / "index.html").read_text(encoding="utf-8")
    groups, rest = form1_markup(form1)
    for group, members in groups.items():
        page = fill(page, "index.html", f"<!-- {group} -->", "".join(members))
    indent = "\n" + " " * 6
    page = fill(page, "index.html", "<!-- Form1 controls -->", indent.join(rest))
    page = fill(page, "index.html", "@FORM1_TITLE@", html.escape(form1["title"]), count=2)
    page = fill(page, "index.html", "@FORM2_TITLE@", html.escape(form2["title"]))
    page = fill(page, "index.html", "@TEXT1_NAME@", attribute(form2["text1Name"]))
    # The phone's pickers hold the opening selection before the core arrives.
    pickers = tables["pickers"]
    for marker, texts, value in (("classes", pickers["classes"], lambda i, t: str(i)),
                                 ("kinds", pickers["kinds"], lambda i, t: str(i)),
                                 ("types", pickers["types"], lambda i, t: t)):
        options = "".join(f'<option value="{attribute(value(i, text))}">{html.escape(text)}</option>'
                          for i, text in enumerate(texts))
        page = fill(page, "index.html", f"<!-- phone {marker} -->", options)
    (out / "index.html").write_text(admit_inline_script(page), encoding="utf-8")
    style = (WEB / "style.css").read_text(encoding="utf-8")
    style = fill(style, "style.css", "  /* window colours */", window_colours(form1))
    style = fill(style, "style.css", "/* window places */", form_styles(tables))
    (out / "style.css").write_text(style, encoding="utf-8")


def write_service_worker(out):
    # Over HTTP the page and courtfee.mjs fetch courtfee.wasm; courtfee-wasm.js, the same module for
    # a page opened from disk, would only add its size to every installation.
    files = sorted(str(p.relative_to(out)) for p in out.rglob("*") if p.is_file() and p.name != "courtfee-wasm.js")
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
    shutil.copyfile(args.core, out / "courtfee.js")
    shutil.copyfile(args.core.with_suffix(".wasm"), out / "courtfee.wasm")
    embed_wasm(out, args.core.with_suffix(".wasm"))
    for name in COPIED:
        shutil.copyfile(WEB / name, out / name)
    write_page(out, read_control_table(out))
    write_measures(out, args.measures)
    write_icons(out)
    write_service_worker(out)


if __name__ == "__main__":
    main()
