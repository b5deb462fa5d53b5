#!/usr/bin/env python3
"""Draws the check box pictures of the table editor's menu item "Data Read-Only".

Rerun from the repository root:   python3 resources/tools/make_menuboxes.py
It rewrites resources/CHECKEDBOX.png and resources/EMPTYBOX.png (13 x 13) and their
@2x pictures (26 x 26) for screens of device pixel ratio 2, with the shapes and the
sampling of make_onoffglyphs.py. The box fills the whole picture: a dark frame round a
light face, which reads on the light menus of light palettes and on the dark menus of
dark ones alike. Only the standard library is used.
"""
import os

from make_onoffglyphs import OUT_DIR, SCALES, polyline, rect, render, vertical, write_png

SIZE = 13
FRAME = (72, 72, 72)
FACE_TOP, FACE_BOTTOM = (252, 252, 252), (228, 228, 228)
MARK = (24, 24, 24)


def box(checked):
    shapes = [rect(0, 0, SIZE, SIZE, FRAME),
              rect(1, 1, SIZE - 1, SIZE - 1, vertical(FACE_TOP, FACE_BOTTOM, 1, SIZE - 1))]
    if checked:
        shapes.append(polyline([(3.2, 6.6), (5.6, 9.2), (9.9, 3.8)], 1.9, MARK))
    return shapes


def main():
    for name, checked in (("CHECKEDBOX", True), ("EMPTYBOX", False)):
        for scale, suffix in SCALES:
            write_png(os.path.join(OUT_DIR, name + suffix + ".png"),
                      render(SIZE, SIZE, box(checked), scale))


if __name__ == "__main__":
    main()
