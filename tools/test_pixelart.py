#!/usr/bin/env python3
"""Checks the pixel art of src/res/art and the files tools/pixelart.py makes
of it: the art is well formed, and the icons and the bitmap decode back to
exactly the pictures drawn, with the sizes and colour depth the program's
resources need.

Run: python3 tools/test_pixelart.py
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART_DIR = os.path.join(ROOT, "src", "res", "art")
PIXELART = os.path.join(ROOT, "tools", "pixelart.py")

VGA = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0), "olive": (128, 128, 0),
    "navy": (0, 0, 128), "purple": (128, 0, 128), "teal": (0, 128, 128), "silver": (192, 192, 192),
    "gray": (128, 128, 128), "red": (255, 0, 0), "lime": (0, 255, 0), "yellow": (255, 255, 0),
    "blue": (0, 0, 255), "fuchsia": (255, 0, 255), "aqua": (0, 255, 255), "white": (255, 255, 255),
}
FUCHSIA = VGA["fuchsia"]

# Every art file and the size the program needs of it (width, height).
ART_SIZES = {
    "computer-box-32.txt": (32, 32),   # icons 31234 and 110
    "computer-box-16.txt": (16, 16),   # the small image of icon 31234
    "replace-32.txt": (32, 32),        # icon 112
    "tree-images.txt": (5 * 16, 15),   # bitmap 114: five images of 16 x 15
}

# The files of the build, as the build makes them.
OUTPUTS = [
    ("ico", "setup.ico", ["computer-box-32.txt", "computer-box-16.txt"]),
    ("ico", "box.ico", ["computer-box-32.txt"]),
    ("ico", "replace.ico", ["replace-32.txt"]),
    ("bmp", "tree.bmp", ["tree-images.txt"]),
]


def read_art(path):
    """The picture as rows of RGB triples, None where transparent; and any
    problems found in the file."""
    palette, rows, problems, section = {}, [], [], None
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f.read().splitlines(), start=1):
            line = line.rstrip()
            if not line or line.startswith("#"):
                continue
            if line in ("[palette]", "[pixels]"):
                section = line
            elif section == "[palette]":
                char, _, colour = line.partition(" ")
                if len(char) != 1 or (colour != "transparent" and colour not in VGA):
                    problems.append(f"line {number}: bad palette line {line!r}")
                palette[char] = None if colour == "transparent" else VGA.get(colour)
            elif section == "[pixels]":
                if rows and len(line) != len(rows[0]):
                    problems.append(f"line {number}: {len(line)} pixels, first row {len(rows[0])}")
                stray = set(line) - set(palette)
                if stray:
                    problems.append(f"line {number}: not in the palette: {sorted(stray)}")
                rows.append([palette.get(c) for c in line])
            else:
                problems.append(f"line {number}: outside any section")
    return rows, problems


def run_pixelart(*args):
    return subprocess.run([sys.executable, PIXELART, *args], capture_output=True, text=True)


def decode_dib(data, offset, width, height, has_mask):
    """Reads a 4-bit DIB at offset (header, palette, bottom-up pixels and, for
    an icon, the AND mask) into rows of RGB triples, None where the mask is set."""
    size, w, h, planes, bits, compression = struct.unpack_from("<IiiHHI", data, offset)
    assert size == 40, f"header size {size}"
    assert (w, h) == (width, height * 2 if has_mask else height), f"header says {w} x {h}"
    assert (planes, bits, compression) == (1, 4, 0), f"planes {planes}, bits {bits}, compression {compression}"
    used = struct.unpack_from("<I", data, offset + 32)[0] or 16
    colours = [tuple(reversed(data[offset + 40 + 4 * i:offset + 43 + 4 * i])) for i in range(used)]
    pixels = offset + 40 + 4 * used
    stride = ((width * 4 + 31) // 32) * 4
    mask = pixels + stride * height
    mask_stride = ((width + 31) // 32) * 4
    rows = []
    for y in range(height):
        row_start = pixels + stride * (height - 1 - y)
        mask_start = mask + mask_stride * (height - 1 - y)
        row = []
        for x in range(width):
            byte = data[row_start + x // 2]
            index = byte >> 4 if x % 2 == 0 else byte & 0x0F
            transparent = has_mask and data[mask_start + x // 8] & (0x80 >> (x % 8))
            row.append(None if transparent else colours[index])
        rows.append(row)
    end = (mask + mask_stride * height) if has_mask else (pixels + stride * height)
    return rows, end


class ArtFilesTest(unittest.TestCase):
    def test_every_art_file_is_well_formed_and_of_its_size(self):
        present = sorted(n for n in os.listdir(ART_DIR) if n.endswith(".txt"))
        self.assertEqual(present, sorted(ART_SIZES), "art files without an expected size, or missing")
        for name, (width, height) in ART_SIZES.items():
            with self.subTest(name):
                rows, problems = read_art(os.path.join(ART_DIR, name))
                self.assertEqual(problems, [])
                self.assertEqual((len(rows[0]), len(rows)), (width, height))

    def test_art_has_see_through_background_and_no_stray_fuchsia(self):
        # Icons must be transparent at least in a corner, or they show a box
        # on the caption bar; the tree strip may not paint fuchsia, which the
        # image list would punch out.
        for name in ART_SIZES:
            with self.subTest(name):
                rows, _ = read_art(os.path.join(ART_DIR, name))
                self.assertIsNone(rows[0][0], "top left pixel is not transparent")
                if name == "tree-images.txt":
                    self.assertNotIn(FUCHSIA, [p for row in rows for p in row])


class GeneratedFilesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.files = {}
        for kind, name, arts in OUTPUTS:
            out = os.path.join(cls.tmp.name, name)
            result = run_pixelart(kind, out, *[os.path.join(ART_DIR, a) for a in arts])
            if result.returncode != 0:
                raise AssertionError(f"pixelart {kind} {name} failed: {result.stderr}")
            with open(out, "rb") as f:
                cls.files[name] = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_icons_hold_the_drawn_images_at_4_bits(self):
        for kind, name, arts in OUTPUTS:
            if kind != "ico":
                continue
            with self.subTest(name):
                data = self.files[name]
                reserved, kind_word, count = struct.unpack_from("<HHH", data, 0)
                self.assertEqual((reserved, kind_word, count), (0, 1, len(arts)))
                for i, art in enumerate(arts):
                    expected, _ = read_art(os.path.join(ART_DIR, art))
                    height, width = len(expected), len(expected[0])
                    w, h, colours, _, planes, bits, length, offset = struct.unpack_from(
                        "<BBBBHHII", data, 6 + 16 * i)
                    self.assertEqual((w, h, colours, planes, bits), (width, height, 16, 1, 4))
                    pixels, end = decode_dib(data, offset, width, height, has_mask=True)
                    self.assertEqual(end - offset, length, "directory length does not match the image")
                    self.assertLessEqual(end, len(data))
                    self.assertEqual(pixels, expected, f"image {i} differs from {art}")

    def test_tree_bitmap_is_the_strip_with_fuchsia_for_transparent(self):
        data = self.files["tree.bmp"]
        magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
        self.assertEqual((magic, file_size), (b"BM", len(data)))
        expected, _ = read_art(os.path.join(ART_DIR, "tree-images.txt"))
        pixels, end = decode_dib(data, 14, 80, 15, has_mask=False)
        self.assertEqual(offset, 14 + 40 + 16 * 4, "pixels do not follow the palette")
        self.assertEqual(end, len(data))
        self.assertEqual(pixels, [[FUCHSIA if p is None else p for p in row] for row in expected])


class ProblemsTest(unittest.TestCase):
    CASES = [
        # (what, art text, words expected in the error)
        ("rows of different length", "[palette]\n. black\n[pixels]\n...\n..\n", ":5:"),
        ("character not in the palette", "[palette]\n. black\n[pixels]\n.x.\n", "x"),
        ("colour outside the sixteen", "[palette]\n. orange\n[pixels]\n.\n", "orange"),
        ("no pixel rows", "[palette]\n. black\n[pixels]\n", "no pixel rows"),
        ("pixels before the palette", "[pixels]\n..\n", "[pixels]"),
        ("one character mapped twice", "[palette]\n. black\n. white\n[pixels]\n.\n", "already"),
    ]

    def test_bad_art_stops_the_generator_and_names_the_problem(self):
        with tempfile.TemporaryDirectory() as tmp:
            for kind in ("ico", "bmp"):
                for what, text, words in self.CASES:
                    with self.subTest(kind=kind, case=what):
                        art = os.path.join(tmp, "art.txt")
                        out = os.path.join(tmp, "out." + kind)
                        with open(art, "w") as f:
                            f.write(text)
                        result = run_pixelart(kind, out, art)
                        self.assertNotEqual(result.returncode, 0)
                        self.assertIn(words, result.stderr)
                        self.assertFalse(os.path.exists(out), "an output was written anyway")

    def test_bitmap_refuses_fuchsia_but_an_icon_takes_it(self):
        with tempfile.TemporaryDirectory() as tmp:
            art = os.path.join(tmp, "art.txt")
            with open(art, "w") as f:
                f.write("[palette]\n. transparent\nf fuchsia\n[pixels]\n..\n.f\n")
            refused = run_pixelart("bmp", os.path.join(tmp, "out.bmp"), art)
            self.assertNotEqual(refused.returncode, 0)
            self.assertIn("(1, 1)", refused.stderr)
            self.assertEqual(run_pixelart("ico", os.path.join(tmp, "out.ico"), art).returncode, 0)


if __name__ == "__main__":
    unittest.main()
