#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader finds in the running calculator, one line per list and text box:
ROLE<TAB>NAME<TAB>number of selected entries (lists) or text (text boxes). Debian's python3
with python3-pyatspi; run on the session's accessibility bus."""
import sys
import time

import pyatspi


def find_app(part):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and part in (app.name or '').lower():
                return app
        time.sleep(0.1)
    sys.exit(f'no application like {part!r} on the accessibility bus')


def walk(acc, depth=0):
    yield acc
    for i in range(acc.childCount if depth < 8 else 0):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


for acc in walk(find_app('zorvikquillet')):
    role = acc.getRoleName()
    if role == 'list':
        selected = sum(1 for i in range(acc.childCount)
                       if acc.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED))
        print(f'list\t{acc.name}\t{selected}')
    elif role == 'text':
        print(f'text\t{acc.name}\t{acc.queryText().getText(0, -1)}')
