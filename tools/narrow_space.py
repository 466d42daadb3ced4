#!/usr/bin/env python3
"""Gives a face the narrow no-break space (U+202F) that French writes before "%", ":",
"!", "?" and ";" and that some languages write in numbers ("1 152 000"), where the face has none
of its own: an empty glyph half as wide as the face's space, as narrow as typesetters draw it.
A page in a browser, or the Windows program, has no other face to fall back on.

    narrow_space.py FACE.ttf
"""
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import Glyph

NAME = "uni202F"

face = TTFont(sys.argv[1])
cmap = face.getBestCmap()
if 0x202F not in cmap and 0x0020 in cmap:
    width = face["hmtx"][cmap[0x0020]][0] // 2
    face["glyf"][NAME] = Glyph()
    face["hmtx"][NAME] = (width, 0)
    face["maxp"].numGlyphs = len(face.getGlyphOrder())
    for table in face["cmap"].tables:
        if table.isUnicode():
            table.cmap[0x202F] = NAME
face.save(sys.argv[1])
