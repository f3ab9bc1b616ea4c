#!/usr/bin/env python3
"""Draws Hexling's 32 x 32 icon, a chip showing the opcode A9 over "816", in a
handful of colours (well within 256): as an indexed-colour PNG for the Linux
desktop, as XPM source that the Qt binding compiles in, and as a 256-colour
.ico for the Windows resource script. Standard library only.

    scripts/draw-icon.py refwindow/icons/hexling   # writes hexling.png, .xpm and .ico
"""
import struct
import sys
import zlib

PALETTE = [  # (r, g, b, alpha)
    (0, 0, 0, 0),          # 0 transparent
    (0x1D, 0x2B, 0x53, 255),  # 1 chip body
    (0x3B, 0x4F, 0x8A, 255),  # 2 chip edge
    (0xB8, 0xC0, 0xCC, 255),  # 3 pins
    (0x0F, 0x17, 0x30, 255),  # 4 notch
    (0xFF, 0xB0, 0x00, 255),  # 5 opcode
    (0x8F, 0xA3, 0xD9, 255),  # 6 caption
]

GLYPHS = {
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#"],
    "9": [".##.", "#..#", "#..#", ".###", "...#", ".##."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
}


def draw():
    size = 32
    pixels = [[0] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    def text(word, x, y, scale, colour):
        for glyph in word:
            rows = GLYPHS[glyph]
            for dy, row in enumerate(rows):
                for dx, cell in enumerate(row):
                    if cell == "#":
                        fill(x + dx * scale, y + dy * scale, x + dx * scale + scale - 1, y + dy * scale + scale - 1, colour)
            x += len(rows[0]) * scale + scale

    for top in (6, 11, 16, 21, 25):  # pins on both sides
        fill(2, top, 4, top + 1, 3)
        fill(27, top, 29, top + 1, 3)
    fill(5, 3, 26, 28, 2)
    fill(6, 4, 25, 27, 1)
    for corner_x, corner_y in ((5, 3), (26, 3), (5, 28), (26, 28)):
        pixels[corner_y][corner_x] = 0
    fill(14, 4, 17, 4, 4)
    fill(15, 5, 16, 5, 4)
    text("A9", 7, 8, 2, 5)
    text("816", 10, 22, 1, 6)
    return pixels


def png(pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    height, width = len(pixels), len(pixels[0])
    header = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
    palette = b"".join(bytes(colour[:3]) for colour in PALETTE)
    alpha = bytes(colour[3] for colour in PALETTE)
    rows = b"".join(b"\0" + bytes(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette) + chunk(b"tRNS", alpha)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def xpm(pixels):
    symbols = " .+@#$%&*=-;>,')!~{]^/(_:<[}|1234567890abcdefghijklmnopqrstuvwxyz"
    lines = [f"{len(pixels[0])} {len(pixels)} {len(PALETTE)} 1"]
    for index, (r, g, b, alpha) in enumerate(PALETTE):
        lines.append(f"{symbols[index]} c " + ("None" if alpha == 0 else f"#{r:02X}{g:02X}{b:02X}"))
    lines += ["".join(symbols[cell] for cell in row) for row in pixels]
    body = ",\n".join(f'    "{line}"' for line in lines)
    return ("/* XPM */\n// Drawn by scripts/draw-icon.py; the same picture as hexling.png.\n"
            f"static const char* const hexling_xpm[] = {{\n{body}}};\n")


def ico(pixels):
    """One 32 x 32 image with a 256-entry palette: the colour rows, then the
    transparency mask, both from the bottom row up, as a BMP without its file
    header stores them."""
    height, width = len(pixels), len(pixels[0])
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b, _ in PALETTE).ljust(256 * 4, b"\0")
    colours = b"".join(bytes(row) for row in reversed(pixels))
    mask_row_bytes = (width + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, cell in enumerate(row):
            if PALETTE[cell][3] == 0:
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
        mask += bits.to_bytes(mask_row_bytes, "big")
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0, len(colours) + len(mask), 0, 0, 0, 0)
    image = info + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(image), 22)
    return directory + image


if __name__ == "__main__":
    pixels = draw()
    with open(sys.argv[1] + ".png", "wb") as out:
        out.write(png(pixels))
    with open(sys.argv[1] + ".xpm", "w") as out:
        out.write(xpm(pixels))
    with open(sys.argv[1] + ".ico", "wb") as out:
        out.write(ico(pixels))
