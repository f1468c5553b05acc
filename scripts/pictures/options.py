"""Draws the pictures of the options window into src/resources/: the logo of the About page and
the speed slider's tube and handle (at rest and pressed)."""
import os
import sys

from bmp import WHITE, inside_ellipse, write_bmp

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "src", "resources")

PANEL = (192, 192, 192)   # the grey of the Options page the tube stands on
PAGE = (191, 255, 0)      # the pages' lime
INK = (253, 0, 177)       # the selected menu entry's text colour
OUTLINE = (70, 0, 55)
SHADOW = (120, 170, 0)
GREEN = (40, 180, 60)
SUPER = 4                 # sub-samples per pixel side, for smooth edges


def mix(colours):
    n = len(colours)
    return tuple(round(sum(c[i] for c in colours) / n) for i in range(3))


def supersampled(fn):
    """A pixel function that averages fn(x, y) over SUPER x SUPER points inside the pixel."""
    def pixel(x, y):
        points = [fn(x + (i + 0.5) / SUPER, y + (j + 0.5) / SUPER)
                  for j in range(SUPER) for i in range(SUPER)]
        return mix(points)
    return pixel


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


# --- Logo: the name "Orbo" in thick letters, an eye looking out of the "O". -------------------

def ring(x, y, cx, cy, rx, ry, thick, grow):
    return (inside_ellipse(x, y, cx, cy, rx + grow, ry + grow)
            and not inside_ellipse(x, y, cx, cy, max(0.1, rx - thick - grow),
                                   max(0.1, ry - thick - grow)))


def box(x, y, left, top, right, bottom, grow):
    return left - grow <= x <= right + grow and top - grow <= y <= bottom + grow


def letters(x, y, grow):
    # "O"
    if ring(x, y, 46, 46, 31, 33, 10, grow):
        return True
    # "r": a stem and the upper right quarter of a ring as its shoulder
    if box(x, y, 92, 42, 102, 78, grow):
        return True
    if x >= 97 and y <= 57 and ring(x, y, 114, 59, 16, 15, 9, grow):
        return True
    # "b": a tall stem and a round bowl
    if box(x, y, 136, 12, 146, 78, grow):
        return True
    if x >= 141 and ring(x, y, 161, 60, 19, 18, 9, grow):
        return True
    # "o"
    return ring(x, y, 213, 60, 20, 18, 9, grow)


def logo(x, y):
    if inside_ellipse(x, y, 46, 46, 19, 21):
        # the eyeball inside the "O", its pupil turned toward the name
        if inside_ellipse(x, y, 53, 48, 7, 7):
            return (0, 0, 0) if not inside_ellipse(x, y, 51, 46, 1.6, 1.6) else WHITE
        return WHITE
    if letters(x, y, 0):
        # lighter toward the top of every letter
        return shade(INK, 1.0 + 0.25 * (1 - y / 92) - 0.1)
    if letters(x, y, 2.2):
        return OUTLINE
    if letters(x - 3, y - 3, 2.2):
        return SHADOW
    # a strip of grass along the bottom, and the page colour above it
    if y > 84:
        return GREEN
    return shade(PAGE, 1.0 - 0.18 * (y / 92))


# --- Speed slider: the tube and the ball-shaped handle. ---------------------------------------

TUBE_GLASS = (120, 150, 210)


def tube_body(x):
    """The tube's colour in column x (0-16): a glass cylinder lit from the left."""
    d = (x - 8.5) / 6.5
    if abs(d) > 1:
        return PANEL
    light = 1.25 - 0.55 * d - 0.35 * d * d
    return shade(TUBE_GLASS, light)


def tube(x, y):
    # rounded caps at both ends of an 85-pixel tube, thirteen pixels wide
    if y < 6.5 and not inside_ellipse(x, y, 8.5, 6.5, 6.5, 6.5):
        return PANEL
    if y > 78.5 and not inside_ellipse(x, y, 8.5, 78.5, 6.5, 6.5):
        return PANEL
    if x < 2 or x > 15:
        return PANEL
    return tube_body(x)


def bulb(base):
    def pixel(x, y):
        d2 = ((x - 8.5) / 8.2) ** 2 + ((y - 8.5) / 8.2) ** 2
        if d2 > 1.0:
            # outside the ball the handle shows the tube behind it
            return tube_body(x)
        # highlight up and to the left, darker toward the rim
        h2 = ((x - 6.0) / 4.0) ** 2 + ((y - 5.5) / 4.0) ** 2
        if h2 <= 1.0:
            return mix([WHITE, base] * 1 + [WHITE] * round(2 * (1 - h2)))
        return shade(base, 1.1 - 0.5 * d2)
    return pixel


write_bmp(os.path.join(OUT, "options_logo.bmp"), 254, 92, supersampled(logo))
write_bmp(os.path.join(OUT, "speed_tube.bmp"), 17, 85, supersampled(tube))
write_bmp(os.path.join(OUT, "speed_bulb0.bmp"), 17, 17, supersampled(bulb((150, 150, 165))))
write_bmp(os.path.join(OUT, "speed_bulb1.bmp"), 17, 17, supersampled(bulb(INK)))
