#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Builds the built-in Wubi radical table (radicals.txt).

Every GB2312 character is split into grid radicals (decompose.py) and the
split is kept only when its keys give the character's full code from the
Rime Wubi 86 table. The table is one run of entries without separators: a
character followed by its code string, pairs of key letter and grid column,
then the identification key where the character has fewer than four
radicals. GBK, ended by one NUL byte.

Order, so that the analysis control finds what it needs by searching:
1. the full entry of every character, in GB2312 order (the phrase rules
   read a character's first entry);
2. an entry with the radicals of the shortest short code of every character
   with a second- or third-level short code, for the characters without a
   first-level code and for the first-level characters whose key is not
   their first radical (以 c, radicals 乙 丶 人), so the second occurrence
   shows the short code;
3. the 25 first-level characters, each with its key letter alone.

Usage: build_table.py [--rime FILE] [--dictionary FILE] [--rules FILE]
                      [--out FILE] [--report FILE]
"""
import argparse
import pathlib
import sys

from codetable import Codes, gb2312_characters
from decompose import (Splitter, entry_for, radical_character_entry,
                       read_dictionary, read_rules)
from grid import form_cells

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]
WORK = HERE / ".work"
FIRST_LEVEL = "我q人w有e的r和t主y产u不i为o这p工a要s在d地f一g上h是j中k国l经x以c发v了b民n同m"


def full_entry(ch, code, splitter, forms):
    """The code string of ch's full entry, or None when no split fits."""
    if ch in forms and ch not in splitter.rules:
        return radical_character_entry(forms[ch], code)
    for cells in splitter.splits(ch):
        entry = entry_for(cells, code)
        if entry:
            return entry
    return None


def short_entry(full, short):
    """The pairs of the full entry that make the short code."""
    return full[:2 * len(short)]


def build_entries(codes, splitter, characters):
    """The table as a list of (character, code string), in table order."""
    forms = form_cells()
    first_level = dict(zip(FIRST_LEVEL[::2], FIRST_LEVEL[1::2]))
    full = {}
    for ch in characters:
        if ch in codes.full:
            entry = full_entry(ch, codes.full[ch], splitter, forms)
            if entry:
                full[ch] = entry
    entries = [(ch, full[ch]) for ch in characters if ch in full]
    for ch, _entry in list(entries):
        shorts = [c for c in codes.shorts.get(ch, ()) if codes.full[ch].startswith(c)]
        if ch in first_level and codes.full[ch][0] == first_level[ch]:
            continue
        # A first-level key that is not the first radical says nothing about
        # the radicals; such a character keeps its radical short code too.
        shorts = [c for c in shorts if len(c) in (2, 3)]
        if shorts:
            entries.append((ch, short_entry(full[ch], shorts[0])))
    entries += list(first_level.items())
    return entries


def encode(entries):
    """The resource bytes: GBK entries without separators, then one NUL."""
    return "".join(ch + code for ch, code in entries).encode("gbk") + b"\0"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rime", type=pathlib.Path,
                        default=WORK / "rime/usr/share/rime-data/wubi86.dict.yaml")
    parser.add_argument("--dictionary", type=pathlib.Path,
                        default=pathlib.Path("/work/shared/data/makemeahanzi/dictionary.txt"))
    parser.add_argument("--rules", type=pathlib.Path, default=HERE / "rules.txt")
    parser.add_argument("--out", type=pathlib.Path,
                        default=ROOT / "src/resources/wubi/radicals.txt")
    parser.add_argument("--report", type=pathlib.Path,
                        help="write the characters left out, one a line")
    args = parser.parse_args(argv)

    characters = gb2312_characters()
    codes = Codes.from_rime(args.rime, characters)
    splitter = Splitter(read_dictionary(args.dictionary), read_rules(args.rules))
    entries = build_entries(codes, splitter, characters)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_bytes(encode(entries))

    present = {ch for ch, _code in entries}
    full = {ch for ch, code in entries if len(code) > 1} & set(codes.full)
    missing = [ch for ch in characters if ch in codes.full and ch not in present]
    print(f"{len(entries)} entries; {len(present & set(codes.full))} of "
          f"{len(codes.full)} characters present, {len(full)} with a full entry; "
          f"left out: {''.join(missing)}")
    if args.report:
        args.report.write_text("".join(f"{ch} {codes.full[ch]}\n" for ch in missing),
                               encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
