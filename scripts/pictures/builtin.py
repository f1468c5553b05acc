"""Draws the five pictures of the built-in skin into src/resources/."""
import os
import sys

from bmp import BLACK, MAGENTA, WHITE, inside_ellipse, write_bmp

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "src", "resources")

GREEN = (40, 180, 60)
LIGHT = (110, 220, 110)
OUTLINE = (10, 70, 20)
LIME = (204, 255, 0)

# Eyeball whites: left one over columns 10-42 and rows 53-86, right one over 43-64 and 62-83.
LEFT_EYE = (26.0, 69.5, 16.5, 17.0)
RIGHT_EYE = (53.5, 72.5, 11.0, 11.0)
HEAD = (37.0, 54.0, 35.0, 45.0)


def near(x, y, shape, grow):
    cx, cy, rx, ry = shape
    return inside_ellipse(x, y, cx, cy, rx + grow, ry + grow)


def background(x, y):
    if inside_ellipse(x, y, *LEFT_EYE) or inside_ellipse(x, y, *RIGHT_EYE):
        return WHITE
    if near(x, y, LEFT_EYE, 1.2) or near(x, y, RIGHT_EYE, 1.2):
        return OUTLINE
    # Two little antennae on top of the head.
    for ax in (22, 52):
        if abs(x - ax) <= 1 and 2 <= y <= 12:
            return OUTLINE
        if inside_ellipse(x, y, ax, 2.5, 2.6, 2.6):
            return LIME
    if inside_ellipse(x, y, *HEAD):
        if not near(x, y, HEAD, -2.0):
            return OUTLINE
        # A smile under the eyes and a highlight on the forehead.
        if 30 <= x <= 44 and y == 92 - (1 if x in (30, 44) else 0):
            return OUTLINE
        if inside_ellipse(x, y, 28, 24, 9, 6):
            return LIGHT
        return GREEN
    return MAGENTA


def ring(x, y):
    d2 = ((x - 8.0) / 8.3) ** 2 + ((y - 7.5) / 7.8) ** 2
    if d2 <= 0.22:
        return BLACK
    return LIME if d2 <= 1.0 else BLACK


def ring_mask(x, y):
    return BLACK if ((x - 8.0) / 8.3) ** 2 + ((y - 7.5) / 7.8) ** 2 <= 1.0 else WHITE


def pupil_mask(x, y):
    return BLACK if inside_ellipse(x, y, 3.0, 3.0, 3.6, 3.6) else WHITE


write_bmp(os.path.join(OUT, "defskin0.bmp"), 75, 100, background, indexed=True)
write_bmp(os.path.join(OUT, "defskin1.bmp"), 17, 16, ring)
write_bmp(os.path.join(OUT, "defskin2.bmp"), 17, 16, ring_mask)
write_bmp(os.path.join(OUT, "defskin3.bmp"), 7, 7, lambda x, y: BLACK)
write_bmp(os.path.join(OUT, "defskin4.bmp"), 7, 7, pupil_mask)
