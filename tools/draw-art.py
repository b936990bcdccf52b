#!/usr/bin/env python3
"""Draws the program's icon and dialog bitmaps into res/.

Every picture is a grid of letters, one letter per pixel, in the standard Windows 16-colour
palette (see LEGEND). The files are written byte by byte, so running this again reproduces
them exactly. Usage: tools/draw-art.py [output directory, default: res/ beside this tool]
"""

import pathlib
import struct
import sys

# The standard Windows 16-colour (VGA) palette, in its usual index order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]  # fmt: skip

LEGEND = {
    "K": 0,  # black: outlines, lines, lettering
    "O": 3,  # olive: shaded folder edges
    "N": 4,  # navy
    "S": 7,  # the dialog face (silver in the icon palette)
    "Y": 11,  # yellow: folder body
    "B": 12,  # blue
    "C": 14,  # cyan (light blue)
    "W": 15,  # white: folder highlight
}
# '.' is transparent in the icon and the dialog face in the bitmaps.
CLEAR = "."
FACE = LEGEND["S"]

# 32 x 32 icon: a folder with two subfolders hanging off a tree connector.
ICON_32 = [
    "..KKKKKKK.......................",
    ".KYYYYYYYK......................",
    ".KYYYYYYYYKKKKKKKKKK............",
    ".KWWWWWWWWWWWWWWWWWWK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KWYYYYYYYYYYYYYYYYOK...........",
    ".KOOOOOOOOOOOOOOOOOOK...........",
    ".KKKKKKKKKKKKKKKKKKKK...........",
    "......K.........................",
    "......K...........KKKKK.........",
    "......K..........KYYYYYKKKKKKK..",
    "......K..........KWWWWWWWWWWWWK.",
    "......K..........KWYYYYYYYYYYOK.",
    "......KKKKKKKKKKKKWYYYYYYYYYYOK.",
    "......K..........KWYYYYYYYYYYOK.",
    "......K..........KWYYYYYYYYYYOK.",
    "......K..........KOOOOOOOOOOOOK.",
    "......K..........KKKKKKKKKKKKKK.",
    "......K.........................",
    "......K...........KKKKK.........",
    "......K..........KYYYYYKKKKKKK..",
    "......K..........KWWWWWWWWWWWWK.",
    "......K..........KWYYYYYYYYYYOK.",
    "......KKKKKKKKKKKKWYYYYYYYYYYOK.",
    ".................KWYYYYYYYYYYOK.",
    ".................KWYYYYYYYYYYOK.",
    ".................KOOOOOOOOOOOOK.",
    ".................KKKKKKKKKKKKKK.",
]

# 16 x 16 icon: the same tree, simplified.
ICON_16 = [
    ".KKK............",
    "KYYYKKKKK.......",
    "KWWWWWWWWK......",
    "KWYYYYYYOK......",
    "KWYYYYYYOK......",
    "KOOOOOOOOK......",
    "KKKKKKKKKK......",
    "...K.....KKK....",
    "...K....KYYYKKK.",
    "...KKKKKKYYYYYOK",
    "...K....KKKKKKKK",
    "...K.....KKK....",
    "...K....KYYYKKK.",
    "...KKKKKKYYYYYOK",
    "........KOOOOOOK",
    "........KKKKKKKK",
]

# 32 x 24: two joined folders and a multiplication sign; the count label follows it. The top
# rows stay blank because the caption bitmap above may overlap them by a pixel or two.
FOLDERS = [
    "................................",
    "................................",
    ".KKKK...........................",
    "KYYYYKKKKKK.....................",
    "KWWWWWWWWWWK....................",
    "KWYYYYYYYYOK....................",
    "KWYYYYYYYYOK....................",
    "KWYYYYYYYYOK....................",
    "KOOOOOOOOOOK....................",
    "KKKKKKKKKKKK....................",
    "....K...........................",
    "....K...........................",
    "....K...........................",
    "....K....KKKK...........K.....K.",
    "....K...KYYYYKKKKKK......K...K..",
    "....K...KWWWWWWWWWWK......K.K...",
    "....K...KWYYYYYYYYOK.......K....",
    "....KKKKKWYYYYYYYYOK......K.K...",
    "........KWYYYYYYYYOK.....K...K..",
    "........KOOOOOOOOOOK....K.....K.",
    "........KKKKKKKKKKKK............",
    "................................",
    "................................",
    "................................",
]

# The caption's lettering: upright glyphs, seven rows from cap height to baseline;
# caption_text() slants them.
FONT = {
    "P": ["XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."],
    "a": [".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"],
    "t": [".X..", ".X..", "XXX.", ".X..", ".X..", ".X..", "..XX"],
    "h": ["X....", "X....", "XXXX.", "X...X", "X...X", "X...X", "X...X"],
    "L": ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    "i": ["X", ".", "X", "X", "X", "X", "X"],
    "s": ["....", "....", ".XXX", "X...", ".XX.", "...X", "XXX."],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
}
CAPTION_WORDS = "Path List"
CAPTION_SIZE = (54, 13)
# Bands of the caption bar from top to bottom, dark at the edges so the black lettering sits
# on the lightest band.
CAPTION_BANDS = "NBCCCCCCCCCBN"
CAPTION_TEXT_TOP = 3


def caption_text():
    """Returns the caption's lettering as a grid, slanted one pixel per three rows."""
    rows = len(FONT[" "])
    glyphs = [FONT[ch] for ch in CAPTION_WORDS]
    slant = rows // 3  # the top row's shift
    width = sum(len(g[0]) + 1 for g in glyphs) + slant
    grid = [[CLEAR] * width for _ in range(rows)]
    x = 0
    for glyph in glyphs:
        for y, line in enumerate(glyph):
            shift = (rows - y) // 3
            for i, ch in enumerate(line):
                if ch == "X":
                    grid[y][x + i + shift] = "K"
        x += len(glyph[0]) + 1
    lines = ["".join(r) for r in grid]
    # Cut the blank columns on the right so that the lettering can be centred by its ink.
    ink = max(len(line.rstrip(CLEAR)) for line in lines)
    return [line[:ink] for line in lines]


def caption():
    width, height = CAPTION_SIZE
    grid = [[band] * width for band in CAPTION_BANDS]
    text = caption_text()
    left = (width - len(text[0])) // 2
    for y, line in enumerate(text):
        for x, ch in enumerate(line):
            if ch != CLEAR:
                grid[CAPTION_TEXT_TOP + y][left + x] = ch
    assert len(grid) == height
    return ["".join(r) for r in grid]


def indices(grid, clear):
    """Palette indices of a grid, row by row from the top; CLEAR becomes `clear`."""
    return [[clear if ch == CLEAR else LEGEND[ch] for ch in line] for line in grid]


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pixels_4bpp(rows):
    """4-bit pixel rows, bottom row first, each padded to 32 bits."""
    out = b""
    for row in reversed(rows):
        pairs = zip(row[0::2], row[1::2])
        out += padded(bytes(hi << 4 | lo for hi, lo in pairs))
    return out


def mask_1bpp(grid):
    """AND mask rows, bottom row first: 1 where the icon is transparent."""
    out = b""
    for line in reversed(grid):
        bits = "".join("1" if ch == CLEAR else "0" for ch in line)
        out += padded(int(bits, 2).to_bytes(len(bits) // 8, "big"))
    return out


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


# A bitmap static cannot be transparent, so the bitmaps paint the dialog face
# themselves: in the colour today's Windows gives it, not the old silver.
BITMAP_PALETTE = PALETTE[:FACE] + [(0xF0, 0xF0, 0xF0)] + PALETTE[FACE + 1 :]


def palette_bytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def check_size(grid, width, height):
    assert len(grid) == height and all(len(line) == width for line in grid), "grid size"


def bmp(grid):
    width, height = len(grid[0]), len(grid)
    check_size(grid, width, height)
    bits = pixels_4bpp(indices(grid, FACE))
    dib = info_header(width, height, len(bits)) + palette_bytes(BITMAP_PALETTE)
    offset = 14 + len(dib)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + dib + bits


def icon(grids):
    """An icon file holding one 16-colour image with its AND mask per grid."""
    images = []
    for grid in grids:
        size = len(grid)
        check_size(grid, size, size)
        bits = pixels_4bpp(indices(grid, 0)) + mask_1bpp(grid)
        # An icon image's header counts the colour and mask halves in its height.
        images.append(info_header(size, 2 * size, len(bits)) + palette_bytes(PALETTE) + bits)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for grid, image in zip(grids, images):
        out += struct.pack("<BBBBHHII", len(grid), len(grid), 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "res"
    out_dir = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    check_size(FOLDERS, 32, 24)
    (out_dir / "Vexlo.ico").write_bytes(icon([ICON_32, ICON_16]))
    (out_dir / "Folders.bmp").write_bytes(bmp(FOLDERS))
    (out_dir / "Caption.bmp").write_bytes(bmp(caption()))


if __name__ == "__main__":
    main()
