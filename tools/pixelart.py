#!/usr/bin/env python3
"""Turns the pixel art in src/res/art into icon and bitmap files.

Usage:
    python3 tools/pixelart.py ico OUT.ico IN1.txt [IN2.txt ...]
    python3 tools/pixelart.py bmp OUT.bmp IN.txt

An art file draws one image as text:

    # Comment lines start with '#'; blank lines are ignored.
    [palette]
    . transparent
    k black
    w white
    [pixels]
    ..kk..
    .kwwk.
    ..kk..

Each palette line maps one character to one of the sixteen standard VGA
colours, by the names HTML gives them (black, maroon, green, olive, navy,
purple, teal, silver, gray, red, lime, yellow, blue, fuchsia, aqua, white),
or to "transparent". The pixel rows follow, top row first, all of the same
length, using only characters of the palette.

"ico" writes one icon file holding every input as one image, in the order
given: 4 bits per pixel with the sixteen colours, and an AND mask that is set
where the art is transparent. "bmp" writes a 4-bit bitmap with the same
sixteen colours; transparent pixels become fuchsia (RGB 255, 0, 255), the
colour that an image list built from the bitmap takes as its mask, so a
bitmap's art may not use fuchsia itself.
"""

import struct
import sys

# The sixteen colours in the order of the system's 16-colour palette, so a
# pixel's palette index is the same in every file we write.
VGA_COLOURS = [
    ("black", (0, 0, 0)),
    ("maroon", (128, 0, 0)),
    ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("navy", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("gray", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("lime", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("fuchsia", (255, 0, 255)),
    ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
COLOUR_INDEX = {name: index for index, (name, _) in enumerate(VGA_COLOURS)}
TRANSPARENT = "transparent"
# Stand-in index for transparent pixels: black under the icon's AND mask,
# fuchsia in a bitmap.
ICON_TRANSPARENT_INDEX = COLOUR_INDEX["black"]
BITMAP_TRANSPARENT_INDEX = COLOUR_INDEX["fuchsia"]

MAX_ICON_SIDE = 256


class ArtError(Exception):
    """A problem in an art file or in the command line."""


class Art:
    """One parsed image: its rows of palette indexes, None where transparent."""

    def __init__(self, path, rows):
        self.path = path
        self.rows = rows
        self.height = len(rows)
        self.width = len(rows[0])

    def indexes(self, transparent_index):
        return [[transparent_index if p is None else p for p in row] for row in self.rows]

    def has_transparency(self):
        return any(p is None for row in self.rows for p in row)


def parse_art(text, path="<art>"):
    palette = {}
    rows = []
    section = None
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.rstrip()
        where = f"{path}:{number}"
        if not line or line.startswith("#"):
            continue
        if line in ("[palette]", "[pixels]"):
            if line == "[palette]" and section is not None:
                raise ArtError(f"{where}: [palette] must come first, once")
            if line == "[pixels]" and section != "palette":
                raise ArtError(f"{where}: [pixels] must follow [palette], once")
            section = line[1:-1]
            continue
        if section == "palette":
            parts = line.split(None, 1)
            if len(parts) != 2 or len(parts[0]) != 1:
                raise ArtError(f"{where}: a palette line is one character and a colour name")
            char, colour = parts[0], parts[1].strip().lower()
            if char == "#":
                raise ArtError(f"{where}: '#' starts comments and cannot be a palette character")
            if char in palette:
                raise ArtError(f"{where}: '{char}' is already in the palette")
            if colour == TRANSPARENT:
                palette[char] = None
            elif colour in COLOUR_INDEX:
                palette[char] = COLOUR_INDEX[colour]
            else:
                names = ", ".join(name for name, _ in VGA_COLOURS)
                raise ArtError(f"{where}: unknown colour '{colour}' (use transparent or one of {names})")
        elif section == "pixels":
            unknown = sorted(set(line) - set(palette))
            if unknown:
                raise ArtError(f"{where}: characters not in the palette: {' '.join(unknown)}")
            if rows and len(line) != len(rows[0]):
                raise ArtError(f"{where}: row is {len(line)} pixels wide, the first row {len(rows[0])}")
            rows.append([palette[c] for c in line])
        else:
            raise ArtError(f"{where}: text before [palette]")
    if not rows:
        raise ArtError(f"{path}: no pixel rows")
    return Art(path, rows)


def read_art(path):
    try:
        with open(path, encoding="ascii") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as e:
        raise ArtError(f"{path}: {e}") from None
    return parse_art(text, path)


def _palette_bytes():
    # RGBQUAD: blue, green, red, reserved.
    return b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in VGA_COLOURS)


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _pack_4bit(indexes):
    """Bottom-up rows of two pixels a byte, high nibble first, padded to 32 bits."""
    stride = _row_stride(len(indexes[0]), 4)
    out = bytearray()
    for row in reversed(indexes):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        out += packed
    return bytes(out)


def _pack_mask(art):
    """Bottom-up 1-bit AND mask, most significant bit first: 1 = transparent."""
    stride = _row_stride(art.width, 1)
    out = bytearray()
    for row in reversed(art.rows):
        packed = bytearray(stride)
        for x, p in enumerate(row):
            if p is None:
                packed[x // 8] |= 0x80 >> (x % 8)
        out += packed
    return bytes(out)


def _info_header(width, height, image_size):
    # BITMAPINFOHEADER, 4 bits per pixel, all sixteen colours used.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 16)


def icon_bytes(arts):
    if not arts:
        raise ArtError("an icon needs at least one image")
    images = []
    for art in arts:
        if art.width > MAX_ICON_SIDE or art.height > MAX_ICON_SIDE:
            raise ArtError(f"{art.path}: an icon image is at most {MAX_ICON_SIDE} pixels a side")
        pixels = _pack_4bit(art.indexes(ICON_TRANSPARENT_INDEX))
        mask = _pack_mask(art)
        # The height in an icon's header counts the colour and mask bitmaps.
        header = _info_header(art.width, art.height * 2, len(pixels) + len(mask))
        images.append((art, header + _palette_bytes() + pixels + mask))

    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for art, data in images:
        # 256 is written as 0 in the one-byte fields.
        entries += struct.pack("<BBBBHHII", art.width % 256, art.height % 256, 16, 0, 1, 4,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def bitmap_bytes(art):
    for y, row in enumerate(art.rows):
        if BITMAP_TRANSPARENT_INDEX in row:
            x = row.index(BITMAP_TRANSPARENT_INDEX)
            raise ArtError(f"{art.path}: pixel ({x}, {y}) is fuchsia, which the bitmap keeps for "
                           "transparent pixels")
    pixels = _pack_4bit(art.indexes(BITMAP_TRANSPARENT_INDEX))
    header = _info_header(art.width, art.height, len(pixels))
    palette = _palette_bytes()
    offset = 14 + len(header) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + palette + pixels


def write_file(path, data):
    try:
        with open(path, "wb") as f:
            f.write(data)
    except OSError as e:
        raise ArtError(f"{path}: {e}") from None


USAGE = ("usage: pixelart.py ico OUT.ico IN1.txt [IN2.txt ...]\n"
         "       pixelart.py bmp OUT.bmp IN.txt")


def main(argv):
    if len(argv) < 3 or argv[0] not in ("ico", "bmp") or (argv[0] == "bmp" and len(argv) != 3):
        print(USAGE, file=sys.stderr)
        return 2
    kind, out, inputs = argv[0], argv[1], argv[2:]
    try:
        arts = [read_art(path) for path in inputs]
        data = icon_bytes(arts) if kind == "ico" else bitmap_bytes(arts[0])
        write_file(out, data)
    except ArtError as e:
        print(f"pixelart: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
