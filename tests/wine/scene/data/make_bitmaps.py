#!/usr/bin/env python3
"""Writes the small bitmaps that the texture tests embed (run from this folder)."""
import struct


def bitmap(name, width, height, bits, rows, palette=b""):
    """rows: bottom row first, each a bytes object without padding."""
    stride = (width * bits // 8 + 3) // 4 * 4
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    with open(name, "wb") as f:
        f.write(header + info + palette + pixels)


# 32 bits: every texel its own colour (blue, green, red, unused per pixel).
rows32 = []
for y in range(2):
    row = b""
    for x in range(4):
        n = y * 4 + x
        row += bytes([10 + n, 100 + n, 200 + n, 0])  # blue, green, red, unused
    rows32.append(row)
bitmap("bgra_4x2.bmp", 4, 2, 32, rows32)

# 24 bits, 5 pixels wide so that every row carries one byte of padding; each row one
# colour: red, green, blue, white from the bottom.
colours = [(0, 0, 255), (0, 255, 0), (255, 0, 0), (255, 255, 255)]  # blue, green, red
bitmap("bgr_5x4.bmp", 5, 4, 24, [bytes(c) * 5 for c in colours])

# 8 bits with a palette: not accepted as a texture.
bitmap("indexed_4x4.bmp", 4, 4, 8, [bytes([0, 1, 0, 1])] * 4, palette=b"\0\0\0\0\xff\xff\xff\0")
