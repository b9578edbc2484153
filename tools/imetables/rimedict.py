# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Reader of Rime dictionary files (*.dict.yaml).

A YAML header ends at the line "..."; every later line that is neither empty
nor a comment is text<TAB>code[<TAB>weight[<TAB>stem]]. Weights may be
fractional; a missing weight counts as 0.
"""
from dataclasses import dataclass


@dataclass(frozen=True)
class Entry:
    text: str
    code: str
    weight: float
    order: int  # position among the entries, the tie-breaker of every sort


def read_entries(path, skip_code_prefix=None):
    """All entries of the file in file order; codes starting with
    skip_code_prefix (the symbol codes of a table) are left out."""
    entries = []
    in_body = False
    with open(path, encoding="utf-8") as stream:
        for number, raw in enumerate(stream, start=1):
            line = raw.rstrip("\r\n")
            if not in_body:
                in_body = line == "..."
                continue
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2 or not fields[0] or not fields[1]:
                raise ValueError(f"{path}:{number}: expected text<TAB>code")
            text, code = fields[0], fields[1]
            if skip_code_prefix and code.startswith(skip_code_prefix):
                continue
            weight = float(fields[2]) if len(fields) > 2 and fields[2] else 0.0
            entries.append(Entry(text, code, weight, len(entries)))
    if not in_body:
        raise ValueError(f"{path}: no end of header ('...')")
    return entries


def by_weight(entries):
    """Heaviest first; equal weights keep file order."""
    return sorted(entries, key=lambda e: (-e.weight, e.order))
