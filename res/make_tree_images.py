#!/usr/bin/env python3
"""Draws the 22 script-tree images (16 x 16, 16 colours) as PNG files named by their resource id.

One normal and one selected image per item kind, in the order the application loads them. Each
image is a small rounded badge in the kind's colour with the kind's letter; the selected image
swaps badge and letter colours. Run it again after changing a drawing; the PNGs are committed.
"""
import struct
import sys
import zlib
from pathlib import Path

# (normal id, selected id, letter, badge colour) per kind, in load order.
KINDS = [
    (192, 193, "L", (0x80, 0x80, 0x00)),  # level
    (165, 173, "P", (0x00, 0x00, 0x80)),  # player
    (177, 179, "C", (0x80, 0x00, 0x00)),  # creature
    (195, 194, "D", (0x80, 0x40, 0x00)),  # door
    (197, 196, "T", (0x80, 0x00, 0x80)),  # trap
    (199, 198, "O", (0x00, 0x80, 0x80)),  # object
    (181, 183, "?", (0x00, 0x80, 0x00)),  # trigger
    (202, 200, "A", (0x40, 0x40, 0x40)),  # action point
    (203, 204, "H", (0xC0, 0x00, 0x00)),  # hero party
    (205, 206, "E", (0x00, 0x40, 0x80)),  # effect generator
    (191, 186, "!", (0x80, 0x60, 0x00)),  # action
]

GLYPHS = {  # 5 x 7, bit 4 leftmost
    "L": [0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F], "P": [0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10],
    "C": [0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E], "D": [0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E],
    "T": [0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04], "O": [0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E],
    "?": [0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04], "A": [0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11],
    "H": [0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11], "E": [0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F],
    "!": [0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04],
}
WHITE = (0xFF, 0xFF, 0xFF)
BACKGROUND = (0xFF, 0x00, 0xFF)  # magenta: transparent in the tree's image list


def draw(letter, badge, selected):
    fg, bg = (badge, WHITE) if selected else (WHITE, badge)
    px = [[BACKGROUND] * 16 for _ in range(16)]
    for y in range(1, 15):
        for x in range(1, 15):
            corner = (x in (1, 14)) and (y in (1, 14))
            if not corner:
                px[y][x] = bg
    for row, bits in enumerate(GLYPHS[letter]):
        for col in range(5):
            if bits & (0x10 >> col):
                for dy in range(1):
                    px[4 + row][5 + col + dy] = fg
    return px


def png(pixels):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in pixels)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent / "tree"
    out.mkdir(parents=True, exist_ok=True)
    for normal, selected, letter, colour in KINDS:
        (out / f"{normal}.png").write_bytes(png(draw(letter, colour, False)))
        (out / f"{selected}.png").write_bytes(png(draw(letter, colour, True)))


if __name__ == "__main__":
    main()
