#!/usr/bin/env python3
"""Draws the program's icon and dialog bitmaps into res/.

Every picture is a grid of letters, one letter per pixel, in the standard Windows 16-colour
palette (see LEGEND). The 96-DPI bitmaps and the 16- and 32-pixel icons are drawn letter by
letter; the bitmaps for 144 and 192 DPI and the 48- and 256-pixel icons are the same pictures
drawn from shapes at a larger scale (see Drawing). The files are written byte by byte, so
running this again reproduces them exactly (the 48- and 256-pixel icons are PNG, compressed by
zlib: the same as long as zlib compresses as it does today). Usage: tools/draw-art.py [output
directory, default: res/ beside this tool]
"""

import math
import pathlib
import struct
import sys
import zlib

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
# The same letters ten rows high, for 144 DPI: one and a half times the height, upright
# strokes two pixels wide and level ones one pixel high, for the weight of the seven-row
# letters (which 192 DPI doubles).
FONT_10 = {
    "P": ["XXXXXX.", "XX...XX", "XX...XX", "XX...XX", "XXXXXX.", "XX.....", "XX.....", "XX.....",
          "XX.....", "XX....."],
    "a": [".......", ".......", ".......", ".XXXXX.", ".....XX", ".....XX", ".XXXXXX", "XX...XX",
          "XX...XX", ".XXXXXX"],
    "t": [".XX..", ".XX..", ".XX..", "XXXXX", ".XX..", ".XX..", ".XX..", ".XX..", ".XX..",
          "..XXX"],
    "h": ["XX.....", "XX.....", "XX.....", "XXXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX",
          "XX...XX", "XX...XX"],
    "L": ["XX.....", "XX.....", "XX.....", "XX.....", "XX.....", "XX.....", "XX.....", "XX.....",
          "XX.....", "XXXXXXX"],
    "i": ["..", "XX", "..", "XX", "XX", "XX", "XX", "XX", "XX", "XX"],
    "s": ["......", "......", "......", ".XXXXX", "XX....", "XX....", ".XXXX.", "....XX", "....XX",
          "XXXXX."],
    " ": ["...", "...", "...", "...", "...", "...", "...", "...", "...", "..."],
}  # fmt: skip
CAPTION_WORDS = "Path List"
CAPTION_SIZE = (54, 13)


def doubled(glyph):
    return [line.replace("X", "XX").replace(".", "..") for line in glyph for _ in range(2)]


def caption_text(scale):
    """Returns the caption's lettering as a grid, slanted one pixel per three rows."""
    font = {1: FONT, 1.5: FONT_10, 2: {ch: doubled(g) for ch, g in FONT.items()}}[scale]
    rows = len(font[" "])
    gap = math.floor(scale)  # between letters
    glyphs = [font[ch] for ch in CAPTION_WORDS]
    slant = rows // 3  # the top row's shift
    width = sum(len(g[0]) + gap for g in glyphs) + slant
    grid = [[CLEAR] * width for _ in range(rows)]
    x = 0
    for glyph in glyphs:
        for y, line in enumerate(glyph):
            shift = (rows - y) // 3
            for i, ch in enumerate(line):
                if ch == "X":
                    grid[y][x + i + shift] = "K"
        x += len(glyph[0]) + gap
    lines = ["".join(r) for r in grid]
    # Cut the blank columns on the right so that the lettering can be centred by its ink.
    ink = max(len(line.rstrip(CLEAR)) for line in lines)
    return [line[:ink] for line in lines]


def caption(scale=1):
    """The caption bar: bands dark at the edges so that the black lettering sits on the
    lightest, the lettering centred on it by its ink."""
    d = Drawing(*CAPTION_SIZE, scale)
    width, height, t = len(d.grid[0]), len(d.grid), d.line
    d.fill("C", 0, 0, width, height)
    for top, band in ((0, "N"), (t, "B"), (height - 2 * t, "B"), (height - t, "N")):
        d.fill(band, 0, top, width, top + t)
    text = caption_text(scale)
    left, top = (width - len(text[0])) // 2, (height - len(text)) // 2
    for y, line in enumerate(text):
        for x, ch in enumerate(line):
            if ch != CLEAR:
                d.grid[top + y][left + x] = ch
    return d.rows()


class Drawing:
    """A picture drawn from shapes at a scale of its 96-DPI (or 32-pixel) self: shapes are
    placed in the small picture's pixels and land on whole pixels of the large one; lines
    keep one width all along, the outlines' as the scale rounds, the highlights' and shades'
    as it rounds down, so that the insides keep their share of a folder. Given a radius,
    corners are rounded along an arc."""

    def __init__(self, width, height, scale, line=None, detail=None, radius=0):
        self.scale = scale
        self.line = line or round(scale)
        self.detail = detail or math.floor(scale)
        self.radius = radius
        self.grid = [[CLEAR] * self.at(width) for _ in range(self.at(height))]

    def at(self, v):
        """Where a position of the small picture lands."""
        return math.floor(v * self.scale + 0.5)

    def fill(self, ch, x0, y0, x1, y1):
        """Fills pixels x0..x1-1, y0..y1-1 of the drawing itself."""
        for row in self.grid[y0:y1]:
            row[x0:x1] = [ch] * (x1 - x0)

    def corner(self, x, y, sx, sy):
        """Rounds, in a drawing with a radius, the outlined corner whose outside edges meet at
        x, y (pixel edges), the shape lying towards sx, sy (each 1 or -1)."""
        r = self.radius
        for i in range(r):
            for j in range(r):
                # From the pixel's centre to the arc's, which lies r in from each edge.
                far = math.hypot(r - i - 0.5, r - j - 0.5)
                if far > r - self.line:
                    px, py = x + sx * i - (sx < 0), y + sy * j - (sy < 0)
                    self.grid[py][px] = CLEAR if far > r else "K"

    def rows(self):
        return ["".join(r) for r in self.grid]


def folder(d, x0, tab_top, top, x1, y1, tab_right):
    """A folder from x0 to x1 and from its tab's top to y1, its body from top; its tab ends
    at tab_right. The tab's top corners and the body's far top one are cut a line's width
    square, unless the drawing rounds its corners."""
    X0, X1, XT = d.at(x0), d.at(x1), d.at(tab_right)
    YT, YB, Y1 = d.at(tab_top), d.at(top), d.at(y1)
    t, h = d.line, d.detail
    d.fill("K", X0 + t, YT, XT - t, YT + t)  # the tab's top
    d.fill("K", XT - t, YT + t, XT, YB + t)  # its side, down to the body's top
    d.fill("Y", X0 + t, YT + t, XT - t, YB + t)  # inside it, open to the body
    d.fill("K", X0, YT + t, X0 + t, Y1)  # the near side, tab and body
    d.fill("K", XT - t, YB, X1 - t, YB + t)  # the body's top
    d.fill("K", X1 - t, YB + t, X1, Y1)  # its far side
    d.fill("K", X0, Y1 - t, X1, Y1)  # its bottom
    d.fill("Y", X0 + t, YB + t, X1 - t, Y1 - t)
    d.fill("W", X0 + t, YB + t, X0 + t + h, Y1 - t)  # lit near edge
    d.fill("O", X1 - t - h, YB + t, X1 - t, Y1 - t)  # shaded far edge
    d.fill("W", X0 + t, YB + t, X1 - t, YB + t + h)  # lit top edge
    d.fill("O", X0 + t, Y1 - t - h, X1 - t, Y1 - t)  # shaded bottom edge
    for x, y, sx, sy in ((X0, YT, 1, 1), (XT, YT, -1, 1), (X1, YB, -1, 1), (X0, Y1, 1, -1),
                         (X1, Y1, -1, -1)):  # fmt: skip
        d.corner(x, y, sx, sy)


def elbow(d, x, y0, y, x1):
    """A tree line down column x from y0, turning at row y along to x1."""
    X, Y = d.at(x), d.at(y)
    d.fill("K", X, d.at(y0), X + d.line, Y)
    d.fill("K", X, Y, d.at(x1), Y + d.line)


def cross(d, x, y, size):
    """A multiplication sign in the square at x, y, its strokes a line wide."""
    t = d.line
    # A side that leaves the strokes an even number of pixels to run keeps them symmetric.
    n = 2 * math.floor((size * d.scale - t) / 2 + 0.5) + t
    left = d.at(x) + (d.at(x + size) - d.at(x) - n) // 2
    top = d.at(y) + (d.at(y + size) - d.at(y) - n) // 2
    for row in range(n):
        step = math.floor(row * (n - t) / (n - 1) + 0.5)
        d.fill("K", left + step, top + row, left + step + t, top + row + 1)
        d.fill("K", left + n - t - step, top + row, left + n - step, top + row + 1)


def folders(scale):
    """FOLDERS drawn from its shapes."""
    d = Drawing(32, 24, scale)
    folder(d, 0, 2, 3, 12, 10, 6)
    elbow(d, 4, 10, 17, 8)
    folder(d, 8, 13, 14, 20, 21, 14)
    cross(d, 24, 13, 7)
    return d.rows()


def icon_drawing(size, line=None, detail=None, radius=0):
    """The icon drawn from its shapes at size pixels: a folder with two subfolders hanging
    off its tree line, as ICON_32 draws it letter by letter."""
    d = Drawing(32, 32, size / 32, line, detail, radius)
    folder(d, 1, 0, 2, 21, 12, 10)
    elbow(d, 6, 12, 17, 17)
    elbow(d, 6, 17, 27, 17)
    folder(d, 17, 13, 14, 31, 22, 24)
    folder(d, 17, 23, 24, 31, 32, 24)
    return d.rows()


# The 256-pixel icon is drawn four times as large and averaged down, so that its rounded
# corners come out smooth; its lines are thinner than eight pixels, which would show the
# small icon's blocks.
SMOOTH = 4
ICON_256 = {"line": 6 * SMOOTH, "detail": 8 * SMOOTH, "radius": 14 * SMOOTH}


def averaged(grid, n):
    """The colours of a grid drawn n times too large, each n x n block averaged into one
    pixel: colours weighted by their opacity, and the share of opaque samples as alpha."""
    pixels = colours(grid)
    out = []
    for y in range(0, len(pixels), n):
        row = []
        for x in range(0, len(pixels[0]), n):
            block = [p for line in pixels[y : y + n] for p in line[x : x + n]]
            alpha = sum(p[3] for p in block)
            mix = [round(sum(p[i] * p[3] for p in block) / alpha) if alpha else 0 for i in range(3)]
            row.append((*mix, round(alpha / len(block))))
        out.append(row)
    return out


def indices(grid, clear):
    """Palette indices of a grid, row by row from the top; CLEAR becomes `clear`."""
    return [[clear if ch == CLEAR else LEGEND[ch] for ch in line] for line in grid]


def colours(grid):
    """Red, green, blue and alpha of a grid, row by row from the top; CLEAR is transparent."""
    return [[(0, 0, 0, 0) if ch == CLEAR else PALETTE[LEGEND[ch]] + (255,) for ch in line]
            for line in grid]  # fmt: skip


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pixels_4bpp(rows):
    """4-bit pixel rows, bottom row first, each padded to 32 bits."""
    out = b""
    for row in reversed(rows):
        row = row + [0] * (len(row) % 2)
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


def info_header(width, height, image_size, colours=16):
    """The header of a 4-bit DIB of `colours` palette entries."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, colours, 0)


# A bitmap static cannot be transparent, so the bitmaps paint the dialog face
# themselves: in the colour today's Windows gives it, not the old silver.
BITMAP_PALETTE = PALETTE[:FACE] + [(0xF0, 0xF0, 0xF0)] + PALETTE[FACE + 1 :]


def palette_bytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def check_size(grid, width, height):
    assert len(grid) == height and all(len(line) == width for line in grid), "grid size"


def bmp(grid):
    """A 4-bit DIB whose palette holds only the colours the picture uses (four or five of the
    sixteen, in their order): the same pixels in fewer bytes of the program."""
    width, height = len(grid[0]), len(grid)
    check_size(grid, width, height)
    rows = indices(grid, FACE)
    used = sorted({index for row in rows for index in row})
    rows = [[used.index(index) for index in row] for row in rows]
    bits = pixels_4bpp(rows)
    palette = [BITMAP_PALETTE[index] for index in used]
    dib = info_header(width, height, len(bits), len(palette)) + palette_bytes(palette)
    offset = 14 + len(dib)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + dib + bits


def icon_4bpp(grid):
    """A 16-colour icon image with its AND mask."""
    size = len(grid)
    check_size(grid, size, size)
    bits = pixels_4bpp(indices(grid, 0)) + mask_1bpp(grid)
    # An icon image's header counts the colour and mask halves in its height.
    return info_header(size, 2 * size, len(bits)) + palette_bytes(PALETTE) + bits


def png(pixels):
    """A PNG image of 8-bit red, green, blue and alpha: an icon image with alpha in a fraction
    of a 32-bit DIB's size, which Windows since Vista and Wine read at any size."""
    width, height = len(pixels[0]), len(pixels)
    check_size(pixels, width, height)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in pixels)

    def chunk(kind, data):
        crc = zlib.crc32(kind + data)
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))  # fmt: skip


def icon(images):
    """An icon file of (size, bits per pixel, image) each, in that order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, bit_count, image in images:
        size %= 256  # 0 stands for 256
        used = 16 if bit_count == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, used, 0, 1, bit_count, len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, _, image in images)


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "res"
    out_dir = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    # The shapes at 96 DPI are the letters drawn by hand: the larger bitmaps are the same
    # picture.
    assert folders(1) == FOLDERS, "the folders' shapes no longer draw FOLDERS"
    icon_48 = colours(icon_drawing(48))
    icon_256 = averaged(icon_drawing(256 * SMOOTH, **ICON_256), SMOOTH)
    (out_dir / "Vexlo.ico").write_bytes(
        icon([(32, 4, icon_4bpp(ICON_32)), (16, 4, icon_4bpp(ICON_16)),
              (48, 32, png(icon_48)), (256, 32, png(icon_256))])
    )  # fmt: skip
    for dpi, scale in ((96, 1), (144, 1.5), (192, 2)):
        suffix = "" if dpi == 96 else str(dpi)
        (out_dir / f"Folders{suffix}.bmp").write_bytes(bmp(folders(scale)))
        (out_dir / f"Caption{suffix}.bmp").write_bytes(bmp(caption(scale)))


if __name__ == "__main__":
    main()
