"""Minimal BMP writer for the pictures we draw ourselves (standard library only)."""
import struct


def write_bmp(path, width, height, pixel, indexed=False):
    """Write a BMP whose pixel(x, y) gives an (r, g, b) tuple; top-left is (0, 0).

    With indexed=True the file is an 8-bit palette bitmap (at most 256 colours)."""
    rows = [[pixel(x, y) for x in range(width)] for y in range(height)]
    if indexed:
        palette = sorted({c for row in rows for c in row})
        if len(palette) > 256:
            raise ValueError("more than 256 colours")
        index = {c: i for i, c in enumerate(palette)}
        stride = (width + 3) & ~3
        data = bytearray()
        for row in reversed(rows):
            line = bytes(index[c] for c in row)
            data += line + b"\0" * (stride - width)
        pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
        pal += b"\0\0\0\0" * (256 - len(palette))
        bpp, colours = 8, 256
    else:
        stride = (width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(rows):
            line = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in row)
            data += line + b"\0" * (stride - width * 3)
        pal, bpp, colours = b"", 24, 0
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, len(data), 3780, 3780,
                       colours, 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + data)


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
