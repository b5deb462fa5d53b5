#!/usr/bin/env python3
"""Draws the state images of the two-state button styles.

Rerun from the repository root:   python3 resources/tools/make_onoffglyphs.py
It rewrites resources/<NAME>.png for the 23 image sets, and resources/<NAME>@2x.png, the
same shapes at twice the size for screens of device pixel ratio 2 (sampled at half-pixel
steps of the glyph coordinates, so the outlines stay sharp there instead of being blocks).
Only the standard library is used.

Each bitmap holds four glyphs in quadrants: top left on and enabled, top right off and
enabled, bottom left on and disabled, bottom right off and disabled. Pixels of the key
color $EBBEEB (red 235, green 190, blue 235) are transparent.

Each glyph is a stack of shapes (later shapes on top) sampled 4 x 4 times per pixel.
Inside the glyph the shapes blend smoothly; the outline against the key color is hard
(a pixel belongs to the glyph when at least half of it is covered, and then takes the
mean color of the covered samples), so that no key-colored fringe appears on any
background. The disabled glyphs are the enabled ones in light, low-contrast gray.
"""
import math
import os
import struct
import zlib

SAMPLES = 4
KEY = (235, 190, 235)
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)

# ---- shapes: each is (inside(x, y) -> bool, color(x, y) -> rgb) ----------------------


def solid(rgb):
    return lambda x, y: rgb


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def vertical(top, bottom, y0, y1):
    return lambda x, y: mix(top, bottom, (y - y0) / (y1 - y0))


def radial(centre, edge, cx, cy, r):
    """Bright spot up and left of the centre, as on a lit dome."""
    hx, hy = cx - r * 0.3, cy - r * 0.35
    return lambda x, y: mix(centre, edge, math.hypot(x - hx, y - hy) / (r * 1.25))


def paint(color):
    return color if callable(color) else solid(color)


def rect(x0, y0, x1, y1, color):
    return (lambda x, y: x0 <= x < x1 and y0 <= y < y1, paint(color))


def rrect(x0, y0, x1, y1, r, color):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return (inside, paint(color))


def circle(cx, cy, r, color):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, paint(color))


def ellipse(cx, cy, rx, ry, color):
    return (lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1, paint(color))


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


def polygon(points, color):
    return (lambda x, y: inside_polygon(points, x, y), paint(color))


def segment_distance(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    return math.hypot(x - x0 - t * dx, y - y0 - t * dy)


def line(x0, y0, x1, y1, width, color):
    """A stroke with round ends."""
    return (lambda x, y: segment_distance(x, y, x0, y0, x1, y1) <= width / 2, paint(color))


def polyline(points, width, color):
    def inside(x, y):
        return any(segment_distance(x, y, *points[i], *points[i + 1]) <= width / 2
                   for i in range(len(points) - 1))
    return (inside, paint(color))


def arc(cx, cy, r, a0, a1, width, color):
    """A stroke along a circle from angle a0 to a1 (degrees, clockwise from 3 o'clock,
    screen coordinates), with round ends."""
    ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in (a0, a1)]

    def inside(x, y):
        if any(math.hypot(x - ex, y - ey) <= width / 2 for ex, ey in ends):
            return True
        if abs(math.hypot(x - cx, y - cy) - r) > width / 2:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx))
        return (angle - a0) % 360 <= (a1 - a0)
    return (inside, paint(color))


def rotated(points, quarter_turns, cx, cy):
    """Points turned clockwise (on screen) by quarter turns around (cx, cy)."""
    for _ in range(quarter_turns % 4):
        points = [(cx - (y - cy), cy + (x - cx)) for x, y in points]
    return points


# ---- rendering -----------------------------------------------------------------------


def render(width, height, shapes, scale=1):
    """The glyph of width x height glyph units at scale pixels per unit: a pixel covers
    1 / scale units, so a larger picture samples the same shapes more finely."""
    pixels = []
    for py in range(height * scale):
        row = []
        for px in range(width * scale):
            colors = []
            for sy in range(SAMPLES):
                y = (py + (sy + 0.5) / SAMPLES) / scale
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / scale
                    for inside, color in reversed(shapes):
                        if inside(x, y):
                            colors.append(color(x, y))
                            break
            if len(colors) * 2 < SAMPLES * SAMPLES:
                row.append(KEY)
            else:
                mean = tuple(round(sum(c[i] for c in colors) / len(colors)) for i in range(3))
                row.append(mean if mean != KEY else (KEY[0], KEY[1] + 1, KEY[2]))
        pixels.append(row)
    return pixels


def disabled(pixels):
    """Light gray with little contrast: readable as 'not available' on light and dark
    backgrounds alike."""
    def gray(rgb):
        if rgb == KEY:
            return KEY
        level = 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]
        v = round(165 + (level - 128) * 0.35)
        return (v, v, v)
    return [[gray(p) for p in row] for row in pixels]


def compose(on, off):
    """The four quadrants: on and off enabled on top, their disabled looks below."""
    top = [a + b for a, b in zip(on, off)]
    bottom = [a + b for a, b in zip(disabled(on), disabled(off))]
    return top + bottom


def write_png(path, pixels):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in pixels)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# ---- the glyphs: each function returns the shapes of one state -----------------------

ACCENT = (28, 96, 184)
GREEN = (46, 160, 72)
RED = (208, 64, 52)
OUTLINE = (88, 88, 88)


def checkbox(on):
    shapes = [rrect(0.5, 0.5, 15.5, 15.5, 2, OUTLINE),
              rrect(1.5, 1.5, 14.5, 14.5, 1.2, vertical((250, 250, 250), (226, 226, 226), 1.5, 14.5))]
    if on:
        shapes.append(polyline([(4.2, 8.2), (6.9, 11.0), (11.9, 4.9)], 2.3, ACCENT))
    return shapes


def radio(on):
    shapes = [circle(7, 7, 6.6, OUTLINE),
              circle(7, 7, 5.6, vertical((250, 250, 250), (226, 226, 226), 1.5, 12.5))]
    if on:
        shapes.append(circle(7, 7, 2.9, ACCENT))
    return shapes


def knob(x0, y0, x1, y1, horizontal_grips):
    shapes = [rrect(x0, y0, x1, y1, 2, (96, 96, 96)),
              rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 1.5,
                    vertical((250, 250, 250), (200, 200, 200), y0, y1))]
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    for d in (-2.5, 0, 2.5):
        if horizontal_grips:
            shapes.append(rect(cx - 4, cy + d - 0.5, cx + 4, cy + d + 0.5, (130, 130, 130)))
        else:
            shapes.append(rect(cx + d - 0.5, cy - 4, cx + d + 0.5, cy + 4, (130, 130, 130)))
    return shapes


def slide_tb(on):
    track = [rrect(6, 2, 12, 28, 3, (70, 70, 70)), rrect(7, 3, 11, 27, 2, (40, 40, 40))]
    return track + knob(1, 1 if on else 17, 17, 13 if on else 29, True)


def slide_lr(on):
    track = [rrect(2, 6, 28, 12, 3, (70, 70, 70)), rrect(3, 7, 27, 11, 2, (40, 40, 40))]
    return track + knob(17 if on else 1, 1, 29 if on else 13, 17, False)


def pill_colors(on):
    return ((34, 128, 58), GREEN) if on else ((160, 46, 38), RED)


def colslide_lr(on):
    edge, fill = pill_colors(on)
    cx = 21 if on else 9
    return [rrect(0.5, 1.5, 29.5, 16.5, 7.5, edge), rrect(1.5, 2.5, 28.5, 15.5, 6.5, fill),
            circle(cx, 9, 6.1, (150, 150, 150)),
            circle(cx, 9, 5.2, vertical((255, 255, 255), (222, 222, 222), 4, 14))]


def colslide_tb(on):
    edge, fill = pill_colors(on)
    cy = 9 if on else 21
    return [rrect(1.5, 0.5, 16.5, 29.5, 7.5, edge), rrect(2.5, 1.5, 15.5, 28.5, 6.5, fill),
            circle(9, cy, 6.1, (150, 150, 150)),
            circle(9, cy, 5.2, vertical((255, 255, 255), (222, 222, 222), cy - 5, cy + 5))]


def led_red_green(on):
    edge = (24, 96, 36) if on else (128, 30, 22)
    lit = radial((196, 255, 196), (30, 170, 52), 7, 7, 6) if on else \
        radial((255, 190, 180), (204, 40, 28), 7, 7, 6)
    return [circle(7, 7, 6.6, edge), circle(7, 7, 5.6, lit)]


def beveled_led(on):
    bezel = lambda x, y: mix((245, 245, 245), (110, 110, 110), (x + y - 2) / 28)
    inner_bezel = lambda x, y: mix((110, 110, 110), (240, 240, 240), (x + y - 6) / 22)
    lamp = radial((255, 200, 180), (230, 40, 24), 8.5, 8.5, 5) if on else \
        radial((150, 70, 60), (90, 24, 18), 8.5, 8.5, 5)
    return [circle(8.5, 8.5, 8.4, (80, 80, 80)), circle(8.5, 8.5, 7.5, bezel),
            circle(8.5, 8.5, 5.9, inner_bezel), circle(8.5, 8.5, 5.0, lamp)]


ARROW_UP = [(12.5, 1.5), (23.5, 12.5), (16.5, 12.5), (16.5, 23.5), (8.5, 23.5), (8.5, 12.5),
            (1.5, 12.5)]


def arrow(quarter_turns):
    points = rotated(ARROW_UP, quarter_turns, 12.5, 12.5)
    return [polygon(points, vertical((80, 150, 230), (24, 84, 170), 1, 24))]


def arrow_tr(on):
    return arrow(0 if on else 1)


def arrow_ud(on):
    return arrow(0 if on else 2)


def arrow_lr(on):
    return arrow(1 if on else 3)


def standing_figure(color):
    return [circle(15.5, 4.3, 1.5, color), rrect(13.6, 6.2, 17.4, 10.6, 0.8, color),
            rect(13.7, 10, 15.2, 13.6, color), rect(15.8, 10, 17.3, 13.6, color)]


def walking_figure(color):
    return [circle(16.3, 17.6, 1.5, color), line(16.0, 19.6, 15.3, 23.2, 2.4, color),
            line(15.3, 23.2, 12.9, 27.3, 1.6, color), line(15.3, 23.2, 17.9, 27.3, 1.6, color),
            line(15.9, 20.3, 13.2, 22.6, 1.3, color), line(15.9, 20.3, 18.4, 22.4, 1.3, color)]


def traffic_light(on):
    stop = (120, 44, 40) if on else (255, 64, 48)
    walk = (80, 255, 120) if on else (36, 96, 52)
    return [rrect(6.5, 0.5, 24.5, 30.5, 3, (24, 24, 24)),
            rrect(7.5, 1.5, 23.5, 29.5, 2.2, (64, 64, 64)),
            circle(15.5, 8.3, 6.4, (12, 12, 12)), circle(15.5, 22.3, 6.4, (12, 12, 12))] + \
        standing_figure(stop) + walking_figure(walk)


FACE_EDGE = {"yellow": (150, 110, 0), "green": (30, 110, 40), "red": (150, 36, 28)}
FACE_FILL = {"yellow": ((255, 240, 120), (246, 196, 24)), "green": ((170, 236, 140), (60, 170, 60)),
             "red": ((255, 160, 140), (214, 64, 48))}


def smiley(on, tint):
    light, dark = FACE_FILL[tint]
    ink = (48, 32, 8)
    mouth = arc(9, 9.6, 4.4, 30, 150, 1.5, ink) if on else arc(9, 16.2, 4.4, 215, 325, 1.5, ink)
    return [circle(9, 9, 8.6, FACE_EDGE[tint]), circle(9, 9, 7.6, radial(light, dark, 9, 9, 7.6)),
            ellipse(6.3, 6.8, 1.1, 1.6, ink), ellipse(11.7, 6.8, 1.1, 1.6, ink), mouth]


def smiley_yellow(on):
    return smiley(on, "yellow")


def smiley_red_green(on):
    return smiley(on, "green" if on else "red")


def bulb(on):
    if on:
        edge, glass = (196, 140, 0), radial((255, 255, 220), (255, 200, 40), 19.5, 17, 14)
        filament = (220, 96, 0)
    else:
        edge, glass = (130, 130, 136), radial((250, 250, 252), (196, 200, 208), 19.5, 17, 14)
        filament = (110, 110, 110)
    neck = [(11.2, 25), (27.8, 25), (24.8, 34.5), (14.2, 34.5)]
    inner_neck = [(12.6, 25), (26.4, 25), (23.8, 33.5), (15.2, 33.5)]
    shapes = [circle(19.5, 16.5, 15.2, edge), polygon(neck, edge),
              circle(19.5, 16.5, 14.0, glass), polygon(inner_neck, glass),
              polyline([(16, 30), (16, 21), (17.5, 17.5), (19.5, 21), (21.5, 17.5), (23, 21),
                        (23, 30)], 1.2, filament)]
    for i, y in enumerate((34.5, 37.5, 40.5)):
        shapes.append(rrect(13.5, y, 25.5, y + 3, 1, (150, 150, 150) if i % 2 else (200, 200, 200)))
    shapes.append(rrect(16, 43.5, 23, 47.5, 1.5, (60, 60, 60)))
    return shapes


def button_lamp(on):
    window = vertical((255, 246, 170), (255, 184, 20), 6, 18) if on else \
        vertical((120, 110, 90), (76, 70, 58), 6, 18)
    return [rrect(0.5, 0.5, 48.5, 23.5, 4, (70, 70, 70)),
            rrect(1.5, 1.5, 47.5, 22.5, 3, vertical((246, 246, 246), (186, 186, 186), 1.5, 22.5)),
            rrect(6.5, 5.5, 42.5, 18.5, 3, (60, 60, 60)),
            rrect(7.5, 6.5, 41.5, 17.5, 2, window)]


def drive(on, led_left):
    led_x = 3.5 if led_left else 37.5
    slot_x = 14 if led_left else 4
    led = radial((255, 236, 170), (255, 140, 0), led_x + 3.5, 8, 3.5) if on else \
        vertical((96, 74, 40), (70, 54, 30), 5, 11)
    return [rrect(0.5, 1.5, 47.5, 14.5, 2, (28, 28, 28)),
            rrect(1.5, 2.5, 46.5, 13.5, 1.5, vertical((110, 110, 110), (60, 60, 60), 2.5, 13.5)),
            rect(slot_x, 6.5, slot_x + 30, 7.5, (30, 30, 30)),
            rect(slot_x, 7.5, slot_x + 30, 8.5, (130, 130, 130)),
            rrect(led_x, 5, led_x + 7, 11, 1.5, (30, 30, 30)),
            rrect(led_x + 0.8, 5.8, led_x + 6.2, 10.2, 1, led)]


def hd_left(on):
    return drive(on, True)


def hd_right(on):
    return drive(on, False)


def power(on):
    color = GREEN if on else (110, 110, 110)
    return [arc(12, 13, 8, 300, 600, 2.6, color), line(12, 2.5, 12, 12, 2.6, color)]


def padlock(on):
    shackle = (140, 140, 150)
    lift = 0 if on else 3.5
    shapes = [arc(12, 9 - lift, 4.6, 180, 360, 2.2, shackle),
              line(16.6, 9 - lift, 16.6, 12, 2.2, shackle)]
    if on:
        shapes.append(line(7.4, 9, 7.4, 12, 2.2, shackle))
    else:
        shapes.append(line(7.4, 5.5, 7.4, 7, 2.2, shackle))
    return shapes + [rrect(4.5, 11, 19.5, 22, 2, (150, 108, 16)),
                     rrect(5.5, 12, 18.5, 21, 1.5, vertical((250, 214, 90), (214, 160, 30), 12, 21)),
                     circle(12, 15.3, 1.6, (70, 50, 10)), rect(11.3, 15.5, 12.7, 18.6, (70, 50, 10))]


def star_points(cx, cy, outer, inner):
    points = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = math.radians(-90 + 36 * i)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def star(on):
    edge, fill = ((186, 124, 0), vertical((255, 230, 90), (246, 180, 10), 2, 22)) if on else \
        ((120, 120, 120), (236, 236, 236))
    return [polygon(star_points(12, 12.8, 11.4, 4.9), edge),
            polygon(star_points(12, 12.8, 9.2, 3.9), fill)]


def speaker(on):
    body = (92, 100, 118)
    shapes = [polygon([(2.5, 8.5), (7, 8.5), (12, 3.5), (12, 20.5), (7, 15.5), (2.5, 15.5)], body)]
    if on:
        shapes += [arc(12, 12, 4.5, 315, 405, 1.7, ACCENT), arc(12, 12, 8.2, 310, 410, 1.7, ACCENT)]
    else:
        shapes += [line(15, 9, 21, 15, 2, RED), line(21, 9, 15, 15, 2, RED)]
    return shapes


def record(on):
    edge, fill = ((140, 20, 12), radial((255, 150, 130), (220, 36, 24), 12, 12, 8)) if on else \
        ((100, 100, 100), radial((220, 220, 220), (150, 150, 150), 12, 12, 8))
    return [circle(12, 12, 9.2, edge), circle(12, 12, 8.2, fill)]


GLYPHS = [
    ("CHECKBOX", 16, 16, checkbox),
    ("RADIOBUT", 14, 14, radio),
    ("SLIDETOPBOT", 18, 30, slide_tb),
    ("SLIDELFTRGT", 30, 18, slide_lr),
    ("COLSLIDETB", 18, 30, colslide_tb),
    ("COLSLIDELR", 30, 18, colslide_lr),
    ("LEDREDGREEN", 14, 14, led_red_green),
    ("ARROWTR", 25, 25, arrow_tr),
    ("ARROWUD", 25, 25, arrow_ud),
    ("ARROWLR", 25, 25, arrow_lr),
    ("TRAFFICLGT", 31, 31, traffic_light),
    ("BEVELEDLED", 17, 17, beveled_led),
    ("SMILEYS", 18, 18, smiley_yellow),
    ("SMILEYRG", 18, 18, smiley_red_green),
    ("BULB", 39, 49, bulb),
    ("BUTLAMP", 49, 24, button_lamp),
    ("HDLEFT", 48, 16, hd_left),
    ("HDRIGHT", 48, 16, hd_right),
    ("USER1", 24, 24, power),
    ("USER2", 24, 24, padlock),
    ("USER3", 24, 24, star),
    ("USER4", 24, 24, speaker),
    ("USER5", 24, 24, record),
]


# Pictures per scale: the plain name for screens of one device pixel per logical pixel,
# the "@2x" name that the library picks on denser screens.
SCALES = ((1, ""), (2, "@2x"))


def main():
    for name, width, height, draw in GLYPHS:
        for scale, suffix in SCALES:
            on = render(width, height, draw(True), scale)
            off = render(width, height, draw(False), scale)
            write_png(os.path.join(OUT_DIR, name + suffix + ".png"), compose(on, off))


if __name__ == "__main__":
    main()
