#!/usr/bin/env python3
"""Draws Brenvol's icon, brenvol.png: a 32 x 32 lightning bolt in yellow with a black outline
and an olive shadow along its right-hand edges, running from the upper right to the lower left
on a transparent background. Standard library only; run it again after changing the shape."""
import struct
import sys
import zlib

SIZE = 32
# The bolt's outline, clockwise, in pixel units.
BOLT = [(18, 1), (28, 1), (19, 12), (25, 12), (6, 31), (12, 17), (6, 17)]

CLEAR, BLACK, YELLOW, OLIVE = (0, 0, 0, 0), (0, 0, 0, 255), (255, 255, 0, 255), (128, 128, 0, 255)


def inside(x, y):
    """Even-odd test of the pixel's centre against the outline."""
    px, py, hit = x + 0.5, y + 0.5, False
    for (x1, y1), (x2, y2) in zip(BOLT, BOLT[1:] + BOLT[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def draw():
    fill = [[inside(x, y) for x in range(SIZE)] for y in range(SIZE)]

    def filled(x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE and fill[y][x]

    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if fill[y][x]:
                edge = not all(filled(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                row.append(BLACK if edge else YELLOW)
            elif filled(x - 1, y) or filled(x - 2, y):
                row.append(OLIVE)  # two pixels of shadow to the right of the bolt
            else:
                row.append(CLEAR)
        pixels.append(row)
    return pixels


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "brenvol.png"
    with open(out, "wb") as f:
        f.write(png(draw()))
