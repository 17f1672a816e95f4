#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What desktop_test.sh reads off the running calculator, with Debian's python3-pyatspi.
reader: what a screen reader finds, a line per object:
ROLE<TAB>NAME<TAB>TEXT<TAB>DESCRIPTION (line breaks as |)<TAB>focused or nothing<TAB>ACTIONS.
cursor: the pointer's cursor as the X server shows it (XFixes): "WIDTHxHEIGHT hot X,Y", then
its picture, a row a line: '#' black, 'o' white, '.' transparent."""
import ctypes
import sys


def reader():
    import pyatspi

    def walk(acc, depth=0):
        yield acc
        for i in range(acc.childCount if depth < 8 else 0):
            if acc.getChildAtIndex(i) is not None:
                yield from walk(acc.getChildAtIndex(i), depth + 1)

    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is not None and 'zorvikquillet' in (app.name or '').lower():
            for acc in walk(app):
                role = acc.getRoleName()
                text = acc.queryText().getText(0, -1) if role == 'text' else ''
                focused = 'focused' if acc.getState().contains(pyatspi.STATE_FOCUSED) else ''
                try:
                    action = acc.queryAction()
                    actions = ','.join(action.getName(i) for i in range(action.nActions))
                except NotImplementedError:
                    actions = ''
                description = (acc.description or '').replace('\n', '|')
                print('\t'.join([role, acc.name, text, description, focused, actions]))


class CursorImage(ctypes.Structure):
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short), ('width', ctypes.c_ushort),
                ('height', ctypes.c_ushort), ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('cursor_serial', ctypes.c_ulong), ('pixels', ctypes.POINTER(ctypes.c_ulong)),
                ('atom', ctypes.c_ulong), ('name', ctypes.c_char_p)]


def cursor():
    x11, xfixes = ctypes.CDLL('libX11.so.6'), ctypes.CDLL('libXfixes.so.3')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
    print(f'{image.width}x{image.height} hot {image.xhot},{image.yhot}')
    for y in range(image.height):
        argb = [image.pixels[y * image.width + x] & 0xFFFFFFFF for x in range(image.width)]
        print(''.join('.' if p >> 24 < 128 else '#' if p & 0xFF < 128 else 'o' for p in argb))


{'reader': reader, 'cursor': cursor}[sys.argv[1]]()
