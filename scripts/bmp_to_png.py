#!/usr/bin/env python3
"""bmp_to_png.py IN.bmp OUT.png: a 24-bit BMP picture as a PNG. Standard library only."""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
offset, = struct.unpack_from("<I", data, 10)
width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
assert data[:2] == b"BM" and bits == 24, "not a 24-bit BMP"
row_bytes = (width * 3 + 3) & ~3
rows = []
for y in range(abs(height)):
    row = height - 1 - y if height > 0 else y  # bottom up unless the height is negative
    bgr = data[offset + row * row_bytes:offset + row * row_bytes + width * 3]
    rows.append(b"\0" + bytes(c for i in range(0, len(bgr), 3) for c in bgr[i:i + 3][::-1]))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


png = (b"\x89PNG\r\n\x1a\n"
       + chunk(b"IHDR", struct.pack(">IIBBBBB", width, abs(height), 8, 2, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
open(sys.argv[2], "wb").write(png)
