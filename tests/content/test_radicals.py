#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Checks the built-in Wubi radical table and the radical picture grid.

Run: /usr/bin/python3 -m unittest discover -s tests/content
The full codes come from the shipped data/chinese/五笔/bm.txt; without it,
from the Rime table in tools/radicals/.work/ when it has been fetched, else
from a committed sample of common characters.
"""
import contextlib
import io
import pathlib
import re
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools/radicals"))

from PIL import Image  # noqa: E402

import build_table  # noqa: E402
import draw_grid  # noqa: E402
from codetable import Codes, gb2312_characters  # noqa: E402
from grid import CELLS, cell_index  # noqa: E402

RESOURCES = ROOT / "src/resources/wubi"
FIXTURES = pathlib.Path(__file__).resolve().parent / "fixtures/radicals"
BM = ROOT / "data/chinese/五笔/bm.txt"
RIME = ROOT / "tools/radicals/.work/rime/usr/share/rime-data/wubi86.dict.yaml"
FIRST_LEVEL = "我q人w有e的r和t主y产u不i为o这p工a要s在d地f一g上h是j中k国l经x以c发v了b民n同m"
PAIR = re.compile(r"[a-y][0-9]")
ENTRY = re.compile(r"([^\x00-\x7f])((?:[a-y][0-9])*[a-y]?)")


def parse_table(data):
    """Entries (character, code string) of the resource bytes."""
    if not data.endswith(b"\0") or b"\0" in data[:-1]:
        raise ValueError("the table must end with exactly one NUL byte")
    text = data[:-1].decode("gbk")
    entries, pos = [], 0
    for match in ENTRY.finditer(text):
        if match.start() != pos:
            raise ValueError(f"unparsable text at {pos}: {text[pos:pos + 10]!r}")
        entries.append((match.group(1), match.group(2)))
        pos = match.end()
    if pos != len(text):
        raise ValueError(f"unparsable text at {pos}")
    return entries


def find_radical_code(text, ch, second):
    """The analysis control's lookup: the code string after the first (or,
    when asked and present, the second) occurrence of ch, up to the next
    non-ASCII character, the NUL or ten characters."""
    pos = text.find(ch)
    if pos < 0:
        return ""
    if second:
        again = text.find(ch, pos + 1)
        pos = again if again >= 0 else pos
    code = ""
    for c in text[pos + 1:pos + 11]:
        if ord(c) > 0x7F or c == "\0":
            break
        code += c
    return code


def keys(code):
    """The key letters a code string stands for."""
    return "".join(p[0] for p in PAIR.findall(code)) + code[2 * len(PAIR.findall(code)):]


def full_codes():
    """Full codes to check against, and where they come from."""
    if BM.exists():
        return Codes.from_bm(BM).full, "bm.txt"
    if RIME.exists():
        return Codes.from_rime(RIME, gb2312_characters()).full, "the Rime table"
    return Codes.from_bm(FIXTURES / "bm-sample.txt").full, "the committed sample"


class RadicalTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = (RESOURCES / "radicals.txt").read_bytes()
        cls.entries = parse_table(cls.data)
        cls.text = cls.data[:-1].decode("gbk") + "\0"
        cls.codes, cls.code_source = full_codes()

    def test_entries_have_the_lengths_of_the_format(self):
        for ch, code in self.entries[:-25]:
            with self.subTest(ch=ch):
                self.assertIn(len(code), (4, 5, 6, 7, 8), code)
        for ch, code in self.entries[-25:]:
            self.assertEqual(len(code), 1, ch)

    def test_every_pair_names_a_filled_cell(self):
        filled = {cell for cell, *_rest in CELLS}
        used = {p for _ch, code in self.entries for p in PAIR.findall(code)}
        self.assertLessEqual(used, filled)

    def test_covers_the_gb2312_characters(self):
        present = {ch for ch, _code in self.entries}
        self.assertGreaterEqual(len(present & set(gb2312_characters())), 6700)
        self.assertLessEqual(present, set(gb2312_characters()))

    def test_full_entries_give_the_full_code(self):
        checked = 0
        for ch, code in self.first_entries().items():
            if ch in self.codes and len(code) > 1:
                checked += 1
                with self.subTest(ch=ch, source=self.code_source):
                    self.assertEqual(keys(code), self.codes[ch])
        self.assertGreater(checked, 0, "no character found in " + self.code_source)

    def test_later_entries_are_short_codes_of_the_full_entry(self):
        first = self.first_entries()
        seen = set()
        for ch, code in self.entries[:-25]:
            if ch not in seen:
                seen.add(ch)
                continue
            with self.subTest(ch=ch):
                self.assertIn(len(code), (4, 6), "two or three radicals")
                self.assertTrue(first[ch].startswith(code))
                self.assertLess(len(keys(code)), len(keys(first[ch])))

    def test_first_level_characters_end_the_table_in_key_order(self):
        tail = "".join(ch + code for ch, code in self.entries[-25:])
        self.assertEqual(tail, FIRST_LEVEL)

    def test_a_character_occurs_at_most_three_times(self):
        counts = {}
        for ch, _code in self.entries:
            counts[ch] = counts.get(ch, 0) + 1
        self.assertLessEqual(max(counts.values()), 3)
        # First-level characters whose key is not their first radical keep
        # their radical short code as well.
        self.assertEqual({ch for ch, n in counts.items() if n == 3}, set("不发为我以这"))

    def test_analysis_lookups(self):
        # What the analysis control finds: the second occurrence for one
        # character, the first for the phrase rules.
        cases = [
            ("工", True, "a"),            # first-level short code
            ("式", True, "a5a0"),         # second level: 弋 工
            ("匿", True, "a3a2d8k0"),     # full code: 匚 艹 ナ 口
            ("同", True, "m"),            # the closing NUL is not part of it
            ("以", True, "n5y5w0"),       # third level, not the tail entry
            ("菜", True, "a2e5"),
            ("戒", True, "a1a7k"),        # no short code: the full entry again
            ("菜", False, "a2e5s0u"),     # phrases read the full entry
            ("经", False, "x0c2a0g"),
            ("一", False, "g"),           # only the tail entry
            ("€", False, ""),             # absent
        ]
        for ch, second, expected in cases:
            with self.subTest(ch=ch, second=second):
                self.assertEqual(find_radical_code(self.text, ch, second), expected)

    def test_hand_checked_characters(self):
        first = self.first_entries()
        for line in (FIXTURES / "hand-checked.txt").read_text(encoding="utf-8").splitlines():
            if line and not line.startswith("#"):
                ch, code = line.split()[:2]
                with self.subTest(ch=ch):
                    self.assertEqual(first.get(ch), code)

    def first_entries(self):
        first = {}
        for ch, code in self.entries:
            first.setdefault(ch, code)
        return first


class ParsingTheTable(unittest.TestCase):
    def test_broken_tables_are_refused(self):
        cases = {
            "no closing NUL": "式a5a0d".encode("gbk"),
            "NUL inside": "式a5a0d".encode("gbk") + b"\0" + "工a".encode("gbk") + b"\0",
            "digit without key": "式5a0d".encode("gbk") + b"\0",
            "upper-case key": "式A5a0d".encode("gbk") + b"\0",
        }
        for name, data in cases.items():
            with self.subTest(name), self.assertRaises(ValueError):
                parse_table(data)


class RadicalGrid(unittest.TestCase):
    def check_grid(self, name, cell_size):
        image = Image.open(RESOURCES / name)
        self.assertEqual(image.mode, "L")
        self.assertEqual(image.size, (10 * cell_size, 25 * cell_size))
        filled = {cell_index(cell) for cell, *_rest in CELLS}
        self.assertEqual(len(filled), 190)
        for index in range(250):
            left, top = (index % 10) * cell_size, (index // 10) * cell_size
            darkest, lightest = image.crop(
                (left, top, left + cell_size, top + cell_size)).getextrema()
            with self.subTest(picture=name, cell=index):
                if index in filled:
                    self.assertLess(darkest, 64, "radical missing")
                    self.assertEqual(lightest, 255, "no white background")
                else:
                    self.assertEqual(darkest, 255, "blank cell is not white")

    def test_grid(self):
        self.check_grid("radical-grid.png", 18)

    def test_grid_at_four_times_the_size(self):
        self.check_grid("radical-grid@4x.png", 72)


class Determinism(unittest.TestCase):
    def test_table_builder_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as work:
            outputs = []
            for run in ("first", "second"):
                out = pathlib.Path(work) / f"{run}.txt"
                with contextlib.redirect_stdout(io.StringIO()):
                    build_table.main(["--rime", str(FIXTURES / "wubi86-sample.dict.yaml"),
                                      "--dictionary", str(FIXTURES / "dictionary-sample.txt"),
                                      "--out", str(out)])
                outputs.append(out.read_bytes())
        self.assertEqual(outputs[0], outputs[1])
        self.assertEqual(outputs[0], (FIXTURES / "radicals-sample.txt").read_bytes())

    def test_grid_painter_gives_the_same_bytes(self):
        # Outline cells only: their stroke data is committed with the fixture.
        cells = [c for c in CELLS if c[1][0] == "strokes" and c[1][1] in "经羊皮"]
        pictures = []
        for _run in range(2):
            masters = draw_grid.master_cells(None, FIXTURES / "strokes", cells)
            png = io.BytesIO()
            draw_grid.grid_picture(masters, 18).save(png, format="PNG")
            pictures.append(png.getvalue())
        self.assertEqual(pictures[0], pictures[1])


if __name__ == "__main__":
    unittest.main()
