"""Writes the skin-checker's fixture skins (one per failure and warning) into tests/checker/."""
import os

from bmp import BLACK, MAGENTA, WHITE, write_bmp

ROOT = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "checker")

SKINS = {
    "clean": """; expect: whole file read, no warnings
[info]
name=Clean
creator=Tester
email=tester@orbo.example
homepage=orbo.example
date=2024-05-01
comment=Every line applied.
[setting]
back=back.bmp
eyes=1
[eye1]
type=auto
xy=2,2
size=12,6
pic=pupil.bmp
mask=pupilmask.bmp
""",
    "missing_picture": """; expect: stops at the pic line, near names told; name stays
[info]
name=Missing
[eye1]
xy=3,3
pic=nothere.bmp
[info]
comment=never read
""",
    "lone_bracket": """; expect: reading stops at the lone "["
[info]
name=Bracket
[
creator=never read
""",
    "frames_out_of_range": """; expect: reading stops at frames=300; Frames keeps 0
[eye1]
type=frames
frames=300
onbutton=1
""",
    "no_equals": """; expect: reading stops at the key line without "="
[info]
name=NoEquals
creator Somebody
date=never read
""",
    "skipped_lines": """; expect: every line skipped for its own reason, whole file read
[info]
name =blank before equals
colour=unknown key
[gallery]
name=section not used
[eye9]
xy=1,1
[setting]
eyes=1
""",
    "eyes_after_sections": """; expect: warning, the eye section before "eyes" is thrown away
[eye1]
xy=5,5
[setting]
back=back.bmp
eyes=1
""",
    "unknown_kind": """; expect: warning, kind "spin" is never drawn
[setting]
back=back.bmp
eyes=1
[eye1]
type=spin
xy=1,1
size=10,6
pic=pupil.bmp
""",
    "picture_larger_than_box": """; expect: warning, a 6x4 picture in a 3x3 box
[setting]
back=back.bmp
eyes=1
[eye1]
type=auto
xy=1,1
size=3,3
pic=pupil.bmp
mask=pupilmask.bmp
""",
    "no_magenta": """; expect: warning, a background without magenta is a plain rectangle
[setting]
back=square.bmp
eyes=0
""",
}


def back(x, y):
    return MAGENTA if x in (0, 15) or y in (0, 9) else (40, 160, 60)


for name, text in SKINS.items():
    folder = os.path.join(ROOT, name)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Skin.ini"), "w", newline="\r\n") as f:
        f.write(text)
    if "back.bmp" in text:
        write_bmp(os.path.join(folder, "back.bmp"), 16, 10, back)
    if "pupil.bmp" in text:
        write_bmp(os.path.join(folder, "pupil.bmp"), 6, 4, lambda x, y: (250, 250, 0))
        write_bmp(os.path.join(folder, "pupilmask.bmp"), 6, 4, lambda x, y: BLACK)
    if name == "missing_picture":
        # Names one slip away from the missing one: another extension, a letter less.
        for near in ("nothere.png", "nothre.bmp"):
            write_bmp(os.path.join(folder, near), 2, 2, lambda x, y: WHITE)
    if "square.bmp" in text:
        write_bmp(os.path.join(folder, "square.bmp"), 8, 8, lambda x, y: WHITE)
