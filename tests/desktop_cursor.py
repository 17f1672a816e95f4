#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The mouse cursor the X server shows now, as XFixes gives it: prints
"WIDTHxHEIGHT hot X,Y opaque N black B white W"; with --picture, then the picture, one row a
line ("#" black, "o" white, "." transparent)."""
import ctypes
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short),
                ('width', ctypes.c_ushort), ('height', ctypes.c_ushort),
                ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('cursor_serial', ctypes.c_ulong), ('pixels', ctypes.POINTER(ctypes.c_ulong)),
                ('atom', ctypes.c_ulong), ('name', ctypes.c_char_p)]


x11 = ctypes.CDLL('libX11.so.6')
xfixes = ctypes.CDLL('libXfixes.so.3')
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit('no X display')
image = xfixes.XFixesGetCursorImage(display).contents
rows = []
counts = {'#': 0, 'o': 0, '.': 0}
for y in range(image.height):
    row = ''
    for x in range(image.width):
        argb = image.pixels[y * image.width + x] & 0xFFFFFFFF
        alpha, grey = argb >> 24, argb & 0xFF
        mark = '.' if alpha < 128 else ('#' if grey < 128 else 'o')
        counts[mark] += 1
        row += mark
    rows.append(row)
print(f'{image.width}x{image.height} hot {image.xhot},{image.yhot} '
      f'opaque {counts["#"] + counts["o"]} black {counts["#"]} white {counts["o"]}')
if '--picture' in sys.argv:
    print('\n'.join(rows))
