#!/usr/bin/env python3
"""Draws the six seven-segment shape bitmaps (black shapes on white, smooth edges).

Rerun from the repository root:   python3 resources/tools/make_segments.py
It rewrites resources/SEG*.png. Only the standard library is used: shapes are
polygons and discs sampled 8 x 8 times per pixel, written as 8-bit gray PNGs.
The shapes keep clear gaps between neighbouring segments of a composed digit, so that
the white around and inside a digit stays one connected area.
"""
import math
import os
import struct
import zlib

SAMPLES = 8
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)


def inside_polygon(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def polygon(points):
    return lambda x, y: inside_polygon(points, x, y)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def render(width, height, shapes):
    rows = []
    for py in range(height):
        row = bytearray()
        for px in range(width):
            covered = 0
            for sy in range(SAMPLES):
                y = py + (sy + 0.5) / SAMPLES
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    if any(shape(x, y) for shape in shapes):
                        covered += 1
            row.append(255 - round(255 * covered / (SAMPLES * SAMPLES)))
        rows.append(bytes(row))
    return rows


def write_png(path, width, height, rows):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# Side segments lean like the digit: the top is shifted right by SLANT over the height.
VERT_W, VERT_H, SLANT, BAR = 68, 190, 30, 38
HORZ_W, HORZ_H, TIP_INSET = 200, 38, 6


def slanted_bar(height, slant, bar, top_x):
    """A pointed bar along a line that runs from top_x at y=0 to top_x-slant at the bottom."""
    half = bar / 2
    def at(u, v):
        return (top_x - slant * v / height + u, v)
    return polygon([at(0, 0), at(half, half), at(half, height - half), at(0, height),
                    at(-half, height - half), at(-half, half)])


def vertical_segment():
    return [slanted_bar(VERT_H, SLANT, BAR, VERT_W - BAR / 2)]


def horizontal_segment(width=HORZ_W, inset=TIP_INSET):
    half = HORZ_H / 2
    return [polygon([(inset, half), (inset + half, 0), (width - inset - half, 0),
                     (width - inset, half), (width - inset - half, HORZ_H),
                     (inset + half, HORZ_H)])]


def plus_sign():
    w, h, margin = 200, 190, 14
    half = HORZ_H / 2
    inset = TIP_INSET + margin
    arm = polygon([(inset, h / 2), (inset + half, h / 2 - half), (w - inset - half, h / 2 - half),
                   (w - inset, h / 2), (w - inset - half, h / 2 + half),
                   (inset + half, h / 2 + half)])
    # The upright leans like the side segments and crosses the arm at the centre.
    tall = h - 2 * margin
    slant = SLANT * tall / VERT_H
    upright = slanted_bar(tall, slant, BAR + 4, w / 2 + slant / 2)
    return [arm, lambda x, y: upright(x, y - margin)]


def colon():
    r = 17
    return [disc(VERT_W - 19, 19, r), disc(19, VERT_H - 19, r)]


def degree():
    return [ring(80, 69, 62, 38)]


SHAPES = {
    "SEGVERT": (VERT_W, VERT_H, vertical_segment),
    "SEGHORZ": (HORZ_W, HORZ_H, horizontal_segment),
    "SEGDOT": (38, 38, lambda: [disc(19, 19, 17)]),
    "SEGPLUS": (200, 190, plus_sign),
    "SEGCOLON": (VERT_W, VERT_H, colon),
    "SEGDEG": (160, 138, degree),
}

if __name__ == "__main__":
    for name, (w, h, shapes) in SHAPES.items():
        write_png(os.path.join(OUT_DIR, name + ".png"), w, h, render(w, h, shapes()))
        print("wrote", name, w, "x", h)
