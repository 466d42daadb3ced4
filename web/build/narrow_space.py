#!/usr/bin/env python3
"""Gives a cut-down face the narrow no-break space (U+202F) that French writes in numbers
("1 152 000") and before "%", drawn as its no-break space, where the face has none of its own:
the browser's page has no other face to fall back on.

    narrow_space.py FACE.ttf
"""
import sys

from fontTools.ttLib import TTFont

face = TTFont(sys.argv[1])
for table in face["cmap"].tables:
    if table.isUnicode() and 0x00A0 in table.cmap:
        table.cmap.setdefault(0x202F, table.cmap[0x00A0])
face.save(sys.argv[1])
