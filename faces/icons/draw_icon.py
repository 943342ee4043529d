#!/usr/bin/env python3
"""Draws Brenvol's icon: a lightning bolt in yellow with a black outline and an olive shadow
along its right-hand edges, running from the upper right to the lower left on a transparent
background. Writes brenvol.png (32 x 32) for Linux, brenvol.ico for Windows (32 x 32 at 16
colours, then 48, 64 and 256 pixels in full colour) and brenvol-192.png and brenvol-512.png for
the web page's manifest. Standard library only; run it again after
changing the shape: python3 draw_icon.py [FOLDER]."""
import os
import struct
import sys
import zlib

BASE = 32
# The bolt's outline, clockwise, in pixels of the 32 x 32 icon.
BOLT = [(18, 1), (28, 1), (19, 12), (25, 12), (6, 31), (12, 17), (6, 17)]

CLEAR, BLACK, YELLOW, OLIVE = (0, 0, 0, 0), (0, 0, 0, 255), (255, 255, 0, 255), (128, 128, 0, 255)
# The 16-colour image's palette: the standard VGA colours, which hold all three.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def draw(size):
    """The icon at size x size pixels, as rows of RGBA tuples."""
    scale = size / BASE
    outline = [(x * scale, y * scale) for x, y in BOLT]

    def inside(x, y):
        """Even-odd test of the pixel's centre against the outline."""
        px, py, hit = x + 0.5, y + 0.5, False
        for (x1, y1), (x2, y2) in zip(outline, outline[1:] + outline[:1]):
            if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit

    fill = [[inside(x, y) for x in range(size)] for y in range(size)]

    def filled(x, y):
        return 0 <= x < size and 0 <= y < size and fill[y][x]

    edge, shadow = max(1, round(scale)), 2 * max(1, round(scale))
    near = [(dx, dy) for dx in range(-edge, edge + 1) for dy in range(-edge, edge + 1)
            if abs(dx) + abs(dy) <= edge and (dx or dy)]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            if fill[y][x]:
                row.append(YELLOW if all(filled(x + dx, y + dy) for dx, dy in near) else BLACK)
            elif any(filled(x - d, y) for d in range(1, shadow + 1)):
                row.append(OLIVE)  # shadow to the right of the bolt
            else:
                row.append(CLEAR)
        pixels.append(row)
    return pixels


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def bmp16(pixels):
    """A 4-bit icon image: header, palette, colour rows and transparency mask, bottom up."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    colours, mask = b"", b""
    for row in reversed(pixels):
        indexes = [VGA.index(p[:3]) if p[3] else 0 for p in row]
        colours += bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2))
        bits = "".join("0" if p[3] else "1" for p in row).ljust(32 * ((size + 31) // 32), "0")
        mask += int(bits, 2).to_bytes(len(bits) // 8, "big")
    return header + palette + colours + mask


def ico(images):
    """An .ico file of (size, colour count, bits per pixel, data) images."""
    directory, offset = b"", 6 + 16 * len(images)
    for size, colours, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                                 len(data), offset)
        offset += len(data)
    return struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(i[3] for i in images)


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "brenvol.png"), "wb") as f:
        f.write(png(draw(BASE)))
    images = [(BASE, 16, 4, bmp16(draw(BASE)))]
    images += [(size, 0, 32, png(draw(size))) for size in (48, 64, 256)]
    with open(os.path.join(folder, "brenvol.ico"), "wb") as f:
        f.write(ico(images))
    for size in (192, 512):
        with open(os.path.join(folder, "brenvol-%d.png" % size), "wb") as f:
            f.write(png(draw(size)))
