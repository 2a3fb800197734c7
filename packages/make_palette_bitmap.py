#!/usr/bin/env python3
"""Writes TLEXIVAR.bmp, the palette bitmap of the packages: 24 x 24 pixels,
8 bits per pixel with a colour table of 256 entries. The picture is a globe
(blue disc, light meridians and a parallel) on a grey ground with a small
yellow badge at the bottom right. Run it again after changing the drawing."""
import os
import struct

SIZE = 24

def palette():
    # 6x6x6 colour cube, then 40 greys: 256 entries.
    entries = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    entries += [(i * 255 // 39,) * 3 for i in range(40)]
    return entries

def index(rgb):
    r, g, b = (round(c / 51) for c in rgb)
    return r * 36 + g * 6 + b

def draw():
    ground = 216 + 30  # light grey
    pixels = [[ground] * SIZE for _ in range(SIZE)]
    cx = cy = 11.0
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - cx, y - cy
            d2 = dx * dx + dy * dy
            if d2 <= 10.5 ** 2:
                colour = (0, 51, 153)
                if 9.5 ** 2 < d2:
                    colour = (0, 0, 102)  # rim
                elif abs(dx) < 0.6 or abs(dy) < 0.6 or abs(abs(dx) - 5) < 0.5:
                    colour = (153, 204, 255)  # meridians and the equator
                pixels[y][x] = index(colour)
    for y in range(16, 23):
        for x in range(16, 23):
            pixels[y][x] = index((255, 204, 0)) if (x, y) not in ((16, 16), (22, 16), (16, 22), (22, 22)) else ground
    return pixels

def bmp():
    rows = draw()
    colours = palette()
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    stride = (SIZE + 3) // 4 * 4
    # Bottom-up rows.
    data = b"".join(bytes(row) + b"\0" * (stride - SIZE) for row in reversed(rows))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    return header + info + table + data

if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "TLEXIVAR.bmp")
    with open(path, "wb") as f:
        f.write(bmp())
