#!/usr/bin/env python3
"""Draws Hexling's icon, a chip showing the opcode A9 over "816", in a handful
of colours (well within 256). At 32 x 32: as an indexed-colour PNG for the
Linux desktop, and as XPM source that the Qt binding compiles in. For the
desktop's other places: PNGs at 16, 24, 48, 64, 128 and 256 pixels, and an
SVG. For the Windows resource script, an .ico of 32-bit images at 16, 20,
24, 32, 40, 48, 64 and 256 pixels. Standard library only.

    scripts/draw-icon.py refwindow/icons/hexling   # writes hexling.png, .xpm, .ico, .svg, hexling-16.png ...
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

GRID = 32  # the picture's own size, in pixels of the window icon
DESKTOP_SIZES = (16, 24, 48, 64, 128, 256)  # beside 32, for menus, docks and software centres
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)  # in the Windows icon

GLYPHS = {
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#"],
    "9": [".##.", "#..#", "#..#", ".###", "...#", ".##."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
}


def shapes():
    """The picture as rectangles on a 32 x 32 grid, painted in order: each is
    (left, top, right, bottom, colour), its edges inclusive."""
    rects = []

    def text(word, x, y, scale, colour):
        for glyph in word:
            rows = GLYPHS[glyph]
            for dy, row in enumerate(rows):
                for dx, cell in enumerate(row):
                    if cell == "#":
                        left, top = x + dx * scale, y + dy * scale
                        rects.append((left, top, left + scale - 1, top + scale - 1, colour))
            x += len(rows[0]) * scale + scale

    for top in (6, 11, 16, 21, 25):  # pins on both sides
        rects.append((2, top, 4, top + 1, 3))
        rects.append((27, top, 29, top + 1, 3))
    rects.append((6, 3, 25, 28, 2))  # the edge, its corners cut
    rects.append((5, 4, 26, 27, 2))
    rects.append((6, 4, 25, 27, 1))
    rects.append((14, 4, 17, 4, 4))
    rects.append((15, 5, 16, 5, 4))
    text("A9", 7, 8, 2, 5)
    text("816", 10, 22, 1, 6)
    return rects


def draw():
    """The 32 x 32 picture, a palette index per pixel."""
    pixels = [[0] * GRID for _ in range(GRID)]
    for left, top, right, bottom, colour in shapes():
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour
    return pixels


def scaled(pixels, size):
    """The picture at another size, each pixel the area-weighted mean of the
    32 x 32 pixels it covers (premultiplied, so edges do not darken), as
    (r, g, b, alpha) rows."""
    step = GRID / size

    def weights(i):  # the source pixels under destination pixel i, with their share
        start, end = i * step, (i + 1) * step
        return [(j, min(end, j + 1) - max(start, j)) for j in range(int(start), min(GRID, int(-(-end // 1))))
                if min(end, j + 1) > max(start, j)]

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy, wy in weights(y):
                for sx, wx in weights(x):
                    r, g, b, a = PALETTE[pixels[sy][sx]]
                    w = wx * wy / (step * step) * a / 255
                    total = [total[0] + r * w, total[1] + g * w, total[2] + b * w, total[3] + w]
            alpha = total[3]
            row.append(tuple(round(c / alpha) if alpha else 0 for c in total[:3]) + (round(alpha * 255),))
        rows.append(row)
    return rows


def png(pixels):
    """Indexed colour when the rows are palette indices, RGBA when they are colours."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    height, width = len(pixels), len(pixels[0])
    if isinstance(pixels[0][0], int):
        header = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
        palette = chunk(b"PLTE", b"".join(bytes(colour[:3]) for colour in PALETTE))
        palette += chunk(b"tRNS", bytes(colour[3] for colour in PALETTE))
        rows = b"".join(b"\0" + bytes(row) for row in pixels)
    else:
        header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
        palette = b""
        rows = b"".join(b"\0" + b"".join(bytes(pixel) for pixel in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + palette
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def svg():
    """The scalable icon: the same rectangles, with crisp edges at any size."""
    def fill(colour):
        r, g, b, _ = PALETTE[colour]
        return f"#{r:02X}{g:02X}{b:02X}"

    rects = "".join(f'  <rect x="{left}" y="{top}" width="{right - left + 1}" height="{bottom - top + 1}" fill="{fill(colour)}"/>\n'
                    for left, top, right, bottom, colour in shapes())
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" viewBox="0 0 {GRID} {GRID}" '
            f'shape-rendering="crispEdges">\n{rects}</svg>\n')


def xpm(pixels):
    symbols = " .+@#$%&*=-;>,')!~{]^/(_:<[}|1234567890abcdefghijklmnopqrstuvwxyz"
    lines = [f"{len(pixels[0])} {len(pixels)} {len(PALETTE)} 1"]
    for index, (r, g, b, alpha) in enumerate(PALETTE):
        lines.append(f"{symbols[index]} c " + ("None" if alpha == 0 else f"#{r:02X}{g:02X}{b:02X}"))
    lines += ["".join(symbols[cell] for cell in row) for row in pixels]
    body = ",\n".join(f'    "{line}"' for line in lines)
    return ("/* XPM */\n// Drawn by scripts/draw-icon.py; the same picture as hexling.png.\n"
            f"static const char* const hexling_xpm[] = {{\n{body}}};\n")


def ico(pictures):
    """A Windows icon of the pictures, each (r, g, b, alpha) rows, in 32-bit
    colour: the colour rows as a BMP without its file header stores them, from
    the bottom row up, then the transparency mask; 256 x 256 stored as a PNG."""
    images = []
    for rows in pictures:
        size = len(rows)
        if size == 256:
            images.append(png(rows))
            continue
        colours = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
        mask_row_bytes = (size + 31) // 32 * 4
        mask = b""
        for row in reversed(rows):
            bits = 0
            for x, (_, _, _, alpha) in enumerate(row):
                if alpha == 0:
                    bits |= 1 << (mask_row_bytes * 8 - 1 - x)
            mask += bits.to_bytes(mask_row_bytes, "big")
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colours) + len(mask), 0, 0, 0, 0)
        images.append(info + colours + mask)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for rows, image in zip(pictures, images):
        size = len(rows) % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def rgba(pixels):
    return [[PALETTE[cell] for cell in row] for row in pixels]


def upscaled(pixels, factor):
    return [[cell for cell in row for _ in range(factor)] for row in pixels for _ in range(factor)]


if __name__ == "__main__":
    prefix = sys.argv[1]
    pixels = draw()
    with open(prefix + ".png", "wb") as out:
        out.write(png(pixels))
    with open(prefix + ".xpm", "w") as out:
        out.write(xpm(pixels))
    # Windows picks the image for each place and screen scale: 100% to 200%
    # of the small and large icon sizes, and 256 for the largest views.
    with open(prefix + ".ico", "wb") as out:
        out.write(ico([rgba(upscaled(pixels, size // GRID)) if size % GRID == 0 else scaled(pixels, size)
                       for size in ICON_SIZES]))
    # The desktop's other sizes: whole multiples stay pixel-exact in the palette.
    for size in DESKTOP_SIZES:
        picture = upscaled(pixels, size // GRID) if size % GRID == 0 else scaled(pixels, size)
        with open(f"{prefix}-{size}.png", "wb") as out:
            out.write(png(picture))
    with open(prefix + ".svg", "w") as out:
        out.write(svg())
