#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Wubi 86 codes of the GB2312 characters, read from the Rime table.

wubi86.dict.yaml (UTF-8): a YAML header ends at the line "..."; then
text<TAB>code<TAB>weight[<TAB>stem]. Codes beginning with "z" are symbols.

For every GB2312 character this gives its full code (the four-letter code,
or the three-letter one of a character typed as two radicals plus the
identification letter) and its shortest short code: first level (one
letter), second level (two letters) or third level (three letters, where
the character is the first candidate of that code). A short code is always
a prefix of the full code, except for the first-level codes, which are
assigned by key.
"""
import collections


def gb2312_characters():
    """The 6,763 GB2312 hanzi in code order (rows 16 to 87)."""
    chars = []
    for hi in range(0xB0, 0xF8):
        for lo in range(0xA1, 0xFF):
            try:
                chars.append(bytes([hi, lo]).decode("gb2312"))
            except UnicodeDecodeError:
                pass
    return chars


def read_rime(path):
    """Rows (text, code, weight, line number) of a Rime dictionary."""
    text = path.read_text(encoding="utf-8")
    head, sep, body = text.partition("\n...\n")
    if not sep:
        raise ValueError(f"{path}: no end of the YAML header")
    rows = []
    for number, line in enumerate(body.split("\n")):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) < 3 or fields[1].startswith("z"):
            continue
        rows.append((fields[0], fields[1], float(fields[2]), number))
    return rows


class Codes:
    """Full and short codes of a set of characters."""

    def __init__(self, full, shorts):
        self.full = full        # character -> full code
        self.shorts = shorts    # character -> its short codes, shortest first

    @classmethod
    def from_rime(cls, path, characters):
        wanted = set(characters)
        by_char = collections.defaultdict(list)
        by_code = collections.defaultdict(list)
        for text, code, weight, number in read_rime(path):
            if text in wanted:
                by_char[text].append(code)
                by_code[code].append((-weight, number, text))
        full, shorts = {}, {}
        for ch in characters:
            codes = set(by_char.get(ch, ()))
            longest = [c for c in codes if len(c) == 4] or [c for c in codes if len(c) == 3]
            if len(longest) != 1:
                continue
            full[ch] = longest[0]
            shorts[ch] = sorted(
                (c for c in codes if c != full[ch] and (
                    len(c) == 1 or (full[ch].startswith(c) and
                                    (len(c) == 2 or min(by_code[c])[2] == ch)))),
                key=len)
        return cls(full, shorts)

    @classmethod
    def from_bm(cls, path):
        """Full codes from a code file: GBK lines of a character and its code."""
        full = {}
        for line in path.read_bytes().decode("gbk").splitlines():
            if line:
                full[line[0]] = line[1:]
        return cls(full, {ch: [] for ch in full})
