#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the tables of the built-in input method (data/ime/).

Unlike the code files, which keep one code per entry, these keep every code
of every GB2312 entry with its weight, so the input method offers the short
codes and the phrases a Wubi or pinyin typist expects; characters outside
GB2312 that the shipped drills ask for (the capital numerals 萬 and 億) are
kept too, so that every target can be typed.

Layout (UTF-8, LF): a first line "# qintara ime table 1", then one entry per
line, code<TAB>text<TAB>weight, sorted by the code's bytes, heaviest first
within a code (equal weights keep the source's order). Pinyin codes are the
syllables joined as typed ("ni hao" becomes "nihao"). The program finds a
code by binary search over the lines, so the order is part of the format.

    make_ime.py WUBI86_DICT PINYIN_DICT OUT_FOLDER
"""
import pathlib
import sys

from rimedict import Entry, read_entries

HEADER = "# qintara ime table 1"


def in_gb2312(text):
    try:
        text.encode("gb2312")
    except UnicodeEncodeError:
        return False
    return True


def table_lines(entries, joined, practised=""):
    rows = []
    for entry in entries:
        code = entry.code.replace(" ", "") if joined else entry.code
        if not code.isascii() or not code.isalpha() or not code.islower():
            continue
        if not in_gb2312(entry.text) and not (len(entry.text) == 1 and entry.text in practised):
            continue
        rows.append((code.encode("ascii"), -entry.weight, entry.order, code, entry.text,
                     int(round(entry.weight))))
    rows.sort()
    return [HEADER] + [f"{code}\t{text}\t{weight}" for *_, code, text, weight in rows]


def with_code_list_fallback(entries, practised, code_list):
    """The entries, and for every practised character the source lacks the
    code the program's own code list gives it (weight 0, after all others)."""
    present = {entry.text for entry in entries}
    extra = [Entry(c, code_list[c], 0, len(entries) + i)
             for i, c in enumerate(sorted(set(practised) - present)) if c in code_list]
    return list(entries) + extra


def build(wubi_dict, pinyin_dict, out_folder, practised="", code_lists=None):
    """practised: the characters of the shipped drill pools; code_lists: for
    "wubi86.tbl" and "pinyin.tbl", the code of each character by the
    program's code lists, for the practised characters a source lacks."""
    code_lists = code_lists or {}
    out = pathlib.Path(out_folder)
    out.mkdir(parents=True, exist_ok=True)
    counts = {}
    for name, path, skip, joined in (("wubi86.tbl", wubi_dict, "z", False),
                                     ("pinyin.tbl", pinyin_dict, None, True)):
        entries = with_code_list_fallback(read_entries(path, skip_code_prefix=skip), practised,
                                          code_lists.get(name, {}))
        lines = table_lines(entries, joined, practised)
        (out / name).write_bytes(("\n".join(lines) + "\n").encode("utf-8"))
        counts[f"ime/{name}"] = len(lines) - 1
    return counts


def main(argv):
    if len(argv) != 4 or argv[1] in ("-h", "--help"):
        print(__doc__)
        return 0 if len(argv) > 1 and argv[1] in ("-h", "--help") else 2
    for name, count in sorted(build(argv[1], argv[2], argv[3]).items()):
        print(f"| {name} | {count} |")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
