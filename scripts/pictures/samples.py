"""Draws the sample skins under Skins/: their pictures and their Skin.ini files.

Every frame, cell and pupil is one solid colour (with a little black or white drawing on top),
so that the end-to-end tests can tell from a screenshot which one is shown and where.
Run: python3 scripts/pictures/samples.py [SKINS_FOLDER]"""
import math
import os
import sys

from bmp import BLACK, MAGENTA, WHITE, inside_ellipse, write_bmp

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "Skins")

DATE = "2024-05-01"
CREATOR = "The Orbo developers"
EMAIL = "orbo@orbo.example"
HOMEPAGE = "orbo.example"


def skin(folder, name, comment, setting, eyes, pictures):
    """Writes one skin folder: pictures is {file: (width, height, pixel, indexed)}."""
    path = os.path.join(OUT, folder)
    os.makedirs(path, exist_ok=True)
    for file, (w, h, pixel, indexed) in pictures.items():
        write_bmp(os.path.join(path, file), w, h, pixel, indexed=indexed)
    lines = ["; " + name + " - a sample skin drawn by scripts/pictures/samples.py", "[info]",
             "name=" + name, "creator=" + CREATOR, "email=" + EMAIL, "homepage=" + HOMEPAGE,
             "date=" + DATE, "comment=" + comment, "",
             "[setting]"]
    lines += ["%s=%s" % kv for kv in setting]
    for i, eye in enumerate(eyes, start=1):
        lines += ["", "[eye%d]" % i] + ["%s=%s" % kv for kv in eye]
    with open(os.path.join(path, "Skin.ini"), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def solid(colour):
    return lambda x, y: colour


def disc(colour, w, h):
    """A disc of colour on black (the picture) and its mask (black disc on white)."""
    cx, cy = (w - 1) / 2.0, (h - 1) / 2.0
    rx, ry = w / 2.0, h / 2.0

    def pic(x, y):
        return colour if inside_ellipse(x, y, cx, cy, rx, ry) else BLACK

    def mask(x, y):
        return BLACK if inside_ellipse(x, y, cx, cy, rx, ry) else WHITE
    return pic, mask


def eyeball(x, y, box):
    bx, by, bw, bh = box
    return inside_ellipse(x, y, bx + (bw - 1) / 2.0, by + (bh - 1) / 2.0, bw / 2.0, bh / 2.0)


def outlined(inside, outline, fill, edge):
    """A pixel function: edge colour on the rim of inside(), fill within, magenta outside."""
    def pixel(x, y):
        if not inside(x, y, 0.0):
            return MAGENTA
        return fill if inside(x, y, -1.6) else edge
    return pixel


# --- Blobby: a wide blue blob with two auto eyes -----------------------------------------------
BLOBBY_BLUE = (60, 110, 220)
BLOBBY_EDGE = (20, 40, 110)
BLOBBY_PUPIL = (200, 30, 30)
BLOBBY_EYES = [(22, 20, 30, 30), (68, 20, 30, 30)]


def blobby(x, y):
    def body(px, py, grow):
        return inside_ellipse(px, py, 59.5, 50.0, 60.0 + grow, 40.0 + grow)
    for box in BLOBBY_EYES:
        if eyeball(x, y, box):
            return WHITE
    # Two stubby feet below the body.
    for fx in (35, 85):
        if inside_ellipse(x, y, fx, 84.0, 12.0, 6.0):
            return BLOBBY_EDGE
    if not body(x, y, 0.0):
        return MAGENTA
    if 50 <= x <= 70 and y == 70 - (1 if x in (50, 70) else 0):
        return BLOBBY_EDGE
    return BLOBBY_BLUE if body(x, y, -1.6) else BLOBBY_EDGE


pupil, pupil_mask = disc(BLOBBY_PUPIL, 12, 12)
skin("Blobby", "Blobby", "A wide blue blob that keeps an eye on you.",
     [("back", "blobby.bmp"), ("eyes", "2")],
     [[("type", "auto"), ("xy", "%d,%d" % box[:2]), ("size", "%d,%d" % box[2:]),
       ("pic", "pupil.bmp"), ("mask", "pupilmask.bmp")] for box in BLOBBY_EYES],
     {"blobby.bmp": (120, 90, blobby, True), "pupil.bmp": (12, 12, pupil, False),
      "pupilmask.bmp": (12, 12, pupil_mask, False)})

# --- Donut: a ring with a hole through the middle and one big eye ----------------------------------
DONUT_DOUGH = (230, 150, 60)
DONUT_ICING = (250, 120, 170)
DONUT_EDGE = (120, 70, 20)
DONUT_PUPIL = (120, 0, 160)
DONUT_EYE = (50, 8, 40, 30)
SPRINKLES = [((35, 60), (40, 200, 240)), ((100, 50), (250, 240, 60)), ((45, 100), (90, 220, 90)),
             ((95, 98), (40, 200, 240)), ((70, 118), (250, 240, 60)), ((112, 78), (90, 220, 90))]


def donut(x, y):
    d = math.hypot(x - 69.5, y - 69.5)
    if d > 70.0 or d < 22.0:
        return MAGENTA  # outside, and the hole right through the creature
    if eyeball(x, y, DONUT_EYE):
        return WHITE
    if d > 68.4 or d < 23.6:
        return DONUT_EDGE
    for (sx, sy), colour in SPRINKLES:
        if abs(x - sx) <= 3 and abs(y - sy) <= 1:
            return colour
    return DONUT_ICING if d < 58.0 and d > 33.0 else DONUT_DOUGH


pupil, pupil_mask = disc(DONUT_PUPIL, 14, 14)
skin("Donut", "Donut", "A doughnut with a hole right through it and one big eye.",
     [("back", "donut.bmp"), ("eyes", "1")],
     [[("type", "auto"), ("xy", "%d,%d" % DONUT_EYE[:2]), ("size", "%d,%d" % DONUT_EYE[2:]),
       ("pic", "pupil.bmp"), ("mask", "pupilmask.bmp")]],
     {"donut.bmp": (140, 140, donut, True), "pupil.bmp": (14, 14, pupil, False),
      "pupilmask.bmp": (14, 14, pupil_mask, False)})

# --- Compass: a robot whose one eye is a strip of 8 directions -----------------------------------
FRAME_COLOURS = [(230, 40, 40), (240, 140, 30), (240, 230, 40), (60, 200, 60),
                 (40, 200, 200), (40, 90, 230), (140, 60, 220), (120, 120, 120)]
COMPASS_GREY = (170, 180, 190)
COMPASS_EDGE = (60, 70, 80)
COMPASS_EYE = (36, 36)
FRAME = 24


def compass(x, y):
    def body(px, py, grow):
        return -grow <= px - 4 and px <= 91 + grow and 8 - grow <= py <= 95 + grow
    # An antenna on top.
    if abs(x - 48) <= 1 and 1 <= y <= 8:
        return COMPASS_EDGE
    if inside_ellipse(x, y, 48, 2, 3, 2):
        return (230, 40, 40)
    if not body(x, y, 0):
        return MAGENTA
    if COMPASS_EYE[0] - 2 <= x < COMPASS_EYE[0] + FRAME + 2 and \
            COMPASS_EYE[1] - 2 <= y < COMPASS_EYE[1] + FRAME + 2:
        return COMPASS_EDGE
    if 30 <= x <= 66 and 74 <= y <= 80 and (x // 4) % 2 == 0:
        return COMPASS_EDGE  # a grille for a mouth
    return COMPASS_GREY if body(x, y, -2) else COMPASS_EDGE


def arrow_strip(x, y):
    """Frame k (from 1) is solid, with a black arrow toward the middle of its directions."""
    k, fx = divmod(x, FRAME)
    angle = math.radians((k + 0.5) * 45.0)  # clockwise from straight left
    dx, dy = -math.cos(angle), -math.sin(angle)
    c = (FRAME - 1) / 2.0
    vx, vy = fx - c, y - c
    along = vx * dx + vy * dy
    across = abs(vx * dy - vy * dx)
    if -7 <= along <= 2 and across <= 0.8:
        return BLACK  # the shaft
    if 1 <= along <= 7 and across <= (7 - along) * 0.8:
        return BLACK  # the head
    return FRAME_COLOURS[k]


skin("Compass", "Compass", "A robot whose eye turns to one of eight directions.",
     [("back", "compass.bmp"), ("eyes", "1")],
     [[("type", "frames"), ("xy", "%d,%d" % COMPASS_EYE), ("size", "%d,%d" % (FRAME, FRAME)),
       ("frames", "8"), ("pic", "arrows.bmp"), ("mask", "arrowsmask.bmp")]],
     {"compass.bmp": (96, 96, compass, False),
      "arrows.bmp": (FRAME * 8, FRAME, arrow_strip, False),
      "arrowsmask.bmp": (FRAME * 8, FRAME, solid(BLACK), False)})

# --- Radar: a dish whose screen shows how far away the cursor is ---------------------------------
DISTANCE_COLOURS = [(255, 60, 40), (255, 160, 40), (250, 240, 70), (120, 220, 90), (70, 150, 250)]
RADAR_BODY = (90, 140, 100)
RADAR_EDGE = (30, 60, 40)
RADAR_EYE = (38, 22)


def radar(x, y):
    if abs(x - 50) <= 2 and 62 <= y <= 80:
        return RADAR_EDGE  # the stand
    if 30 <= x <= 70 and 76 <= y <= 80:
        return RADAR_EDGE
    if not inside_ellipse(x, y, 49.5, 34.0, 50.0, 34.0):
        return MAGENTA
    if RADAR_EYE[0] - 1 <= x <= RADAR_EYE[0] + FRAME and RADAR_EYE[1] - 1 <= y <= RADAR_EYE[1] + FRAME:
        return BLACK
    return RADAR_BODY if inside_ellipse(x, y, 49.5, 34.0, 48.4, 32.4) else RADAR_EDGE


def distance_strip(x, y):
    """Frame j (from 0, nearest first) is solid with 5 - j white rings: nearer, more rings."""
    j, fx = divmod(x, FRAME)
    d = math.hypot(fx - 11.5, y - 11.5)
    if int(d) % 4 == 0 and d < 4 * (5 - j):
        return WHITE
    return DISTANCE_COLOURS[j]


skin("Radar", "Radar", "A radar dish: the closer the cursor, the hotter the screen.",
     [("back", "radar.bmp"), ("eyes", "1")],
     [[("type", "distance"), ("xy", "%d,%d" % RADAR_EYE), ("size", "%d,%d" % (FRAME, FRAME)),
       ("frames", "5"), ("pic", "screen.bmp"), ("mask", "screenmask.bmp")]],
     {"radar.bmp": (100, 82, radar, True),
      "screen.bmp": (FRAME * 5, FRAME, distance_strip, False),
      "screenmask.bmp": (FRAME * 5, FRAME, solid(BLACK), False)})

# --- Peeker: a face that slides around its window pane with the cursor ---------------------------
PEEKER_FRAME = (140, 90, 50)
PEEKER_GLASS = (170, 220, 250)
PEEKER_FACE = (255, 220, 0)
PEEKER_BOX = (10, 10, 90, 60)


def peeker(x, y):
    bx, by, bw, bh = PEEKER_BOX
    if bx <= x < bx + bw and by <= y < by + bh:
        return PEEKER_GLASS if (x - bx) != bw // 2 else PEEKER_FRAME
    return PEEKER_FRAME if y < 78 or 20 <= x <= 90 else MAGENTA


def face(x, y):
    if (x, y) in ((7, 8), (8, 8), (15, 8), (16, 8)) or (y == 16 and 7 <= x <= 16):
        return BLACK
    return PEEKER_FACE


skin("Peeker", "Peeker", "Someone peeking through a window, always toward the cursor.",
     [("back", "peeker.bmp"), ("eyes", "1")],
     [[("type", "rect"), ("xy", "%d,%d" % PEEKER_BOX[:2]), ("size", "%d,%d" % PEEKER_BOX[2:]),
       ("pic", "face.bmp"), ("mask", "facemask.bmp")]],
     {"peeker.bmp": (110, 86, peeker, False), "face.bmp": (24, 24, face, False),
      "facemask.bmp": (24, 24, solid(BLACK), False)})

# --- Gridlock: a box of six lamps, one lit for each part of the screen ----------------------------
CELL_COLOURS = [[(250, 80, 80), (80, 200, 80), (80, 120, 250)],
                [(250, 200, 60), (60, 220, 220), (210, 90, 230)]]
GRID_BODY = (90, 90, 100)
GRID_EYE = (16, 22)


def gridlock(x, y):
    if not (0 <= x < 104 and 6 <= y < 76) or (y < 14 and not 40 <= x < 64):
        return MAGENTA
    return GRID_BODY if 2 <= x < 102 and (y >= 16 or 42 <= x < 62) and y < 74 else BLACK


def cells(x, y):
    c, r = x // FRAME, y // FRAME
    fx, fy = x % FRAME, y % FRAME
    if inside_ellipse(fx, fy, 11.5, 11.5, 4, 4):
        return WHITE  # a bulb in the middle of every lamp
    return CELL_COLOURS[r][c]


skin("Gridlock", "Gridlock", "Six lamps: the one for the part of the screen the cursor is in.",
     [("back", "gridlock.bmp"), ("eyes", "1")],
     [[("type", "matrix"), ("xy", "%d,%d" % GRID_EYE), ("size", "3,2"),
       ("pic", "cells.bmp"), ("mask", "cellsmask.bmp")]],
     {"gridlock.bmp": (104, 76, gridlock, False), "cells.bmp": (FRAME * 3, FRAME * 2, cells, False),
      "cellsmask.bmp": (FRAME * 3, FRAME * 2, solid(BLACK), False)})

# --- Sleepy: a cat whose eyes shut while the left button is held ----------------------------------
SLEEPY_FUR = (150, 60, 170)
SLEEPY_EDGE = (60, 20, 70)
SLEEPY_PUPIL = (20, 160, 60)
SLEEPY_EYES = [(18, 34, 26, 22), (56, 34, 26, 22)]
SLEEPY_LIDS = (16, 32)
LID_COLOUR = (190, 110, 210)


def sleepy(x, y):
    for box in SLEEPY_EYES:
        if eyeball(x, y, box):
            return WHITE
    # Ears.
    for sign in (-1, 1):
        ex = 50 + sign * 30
        if y <= 30 and abs(x - ex) <= (y - 2) * 0.6 and y >= 2:
            return SLEEPY_FUR if abs(x - ex) <= (y - 2) * 0.6 - 1.5 else SLEEPY_EDGE
    if not inside_ellipse(x, y, 49.5, 46.0, 48.0, 33.0):
        return MAGENTA
    if abs(y - 66) <= 0 and 42 <= x <= 57:
        return SLEEPY_EDGE
    return SLEEPY_FUR if inside_ellipse(x, y, 49.5, 46.0, 46.4, 31.4) else SLEEPY_EDGE


def lids(x, y):
    """Both eyelids in one picture, shown while the button is down."""
    for bx, by, bw, bh in SLEEPY_EYES:
        lx, ly = bx - SLEEPY_LIDS[0], by - SLEEPY_LIDS[1]
        if inside_ellipse(x, y, lx + (bw - 1) / 2.0, ly + (bh - 1) / 2.0, bw / 2.0 + 1, bh / 2.0 + 1):
            return SLEEPY_EDGE if y == ly + bh // 2 + 3 else LID_COLOUR
    return BLACK


def lids_mask(x, y):
    return BLACK if lids(x, y) != BLACK else WHITE


pupil, pupil_mask = disc(SLEEPY_PUPIL, 10, 12)
skin("Sleepy", "Sleepy", "A cat that shuts its eyes while you hold the left button.",
     [("back", "sleepy.bmp"), ("eyes", "3")],
     [[("type", "auto"), ("xy", "%d,%d" % box[:2]), ("size", "%d,%d" % box[2:]),
       ("pic", "pupil.bmp"), ("mask", "pupilmask.bmp")] for box in SLEEPY_EYES] +
     [[("type", "blink"), ("xy", "%d,%d" % SLEEPY_LIDS), ("size", "68,26"), ("onbutton", "1"),
       ("pic", "lids.bmp"), ("mask", "lidsmask.bmp")]],
     {"sleepy.bmp": (100, 80, sleepy, False), "pupil.bmp": (10, 12, pupil, False),
      "pupilmask.bmp": (10, 12, pupil_mask, False), "lids.bmp": (68, 26, lids, False),
      "lidsmask.bmp": (68, 26, lids_mask, False)})
