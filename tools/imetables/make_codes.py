#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the code files of one input method from a Rime dictionary.

Output, below --out (the input method's folder):
  bm.txt                one line per character: the character directly
                        followed by its code (Wubi: the full code)
  phrase/二字词组.txt    two-, three- and four-character phrases, each
  phrase/三字词组.txt    directly followed by its code
  phrase/四字词组.txt
Every file is ordered by weight, heaviest first. Characters are all GB2312
characters plus --extra-chars (characters of the pools outside GB2312, so
that every drill character has a code); phrases are those made only of
GB2312 characters.
"""
import argparse
import pathlib
import sys

import gbktext
import rimedict
from inputmethods import METHODS

PHRASE_FILES = {2: "二字词组.txt", 3: "三字词组.txt", 4: "四字词组.txt"}


def character_lines(method, entries, wanted, unihan_dir):
    codes = method.char_codes(entries)
    missing = [c for c in wanted if c not in codes]
    fallback = method.fallback_codes(missing, unihan_dir)
    found = [codes[c] for c in wanted if c in codes]
    lines = [e.text + method.keys(e.code) for e in rimedict.by_weight(found)]
    # Readings from elsewhere have no weight: they go last, in code order.
    lines += [c + fallback[c] for c in missing if c in fallback]
    unresolved = [c for c in missing if c not in fallback]
    return lines, unresolved


def phrase_lines(method, entries, length):
    char_codes = method.char_codes(entries)
    groups = {}
    for entry in entries:
        if len(entry.text) == length and all(gbktext.is_gb2312_hanzi(c) for c in entry.text):
            groups.setdefault(entry.text, []).append(entry)
    chosen = [method.phrase_entry(p, g, char_codes) for p, g in groups.items()]
    return [e.text + method.keys(e.code) for e in rimedict.by_weight(chosen)]


def build(method_name, dict_path, out_dir, extra_chars="", unihan_dir=None):
    """Writes the four code files; returns {relative path: line count} and
    the characters left without a code."""
    method = METHODS[method_name]
    entries = rimedict.read_entries(dict_path, method.skip_code_prefix)
    wanted = gbktext.gb2312_hanzi()
    wanted += sorted(set(extra_chars) - set(wanted))
    out_dir = pathlib.Path(out_dir)
    counts = {}
    lines, unresolved = character_lines(method, entries, wanted, unihan_dir)
    gbktext.write_lines(out_dir / "bm.txt", lines)
    counts["bm.txt"] = len(lines)
    for length, name in PHRASE_FILES.items():
        lines = phrase_lines(method, entries, length)
        gbktext.write_lines(out_dir / "phrase" / name, lines)
        counts["phrase/" + name] = len(lines)
    return counts, unresolved


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--method", choices=sorted(METHODS), required=True)
    parser.add_argument("--dict", required=True, help="the *.dict.yaml file")
    parser.add_argument("--out", required=True, help="the input method's folder")
    parser.add_argument("--extra-chars", default="", help="characters to code beyond GB2312")
    parser.add_argument("--unihan", help="Unihan folder, for readings the table lacks")
    args = parser.parse_args(argv)
    counts, unresolved = build(args.method, args.dict, args.out, args.extra_chars, args.unihan)
    for name, count in counts.items():
        print(f"{args.out}/{name}: {count} lines")
    if unresolved:
        print(f"without a code: {''.join(unresolved)}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
