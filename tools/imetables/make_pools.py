#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the character pools of the character drills.

Output, below --data: chinese/五笔/word/*.txt and chinese/拼音/word/*.txt,
each a run of characters on one line without a line break. The file name
without ".txt" is what the drill's chooser shows. Stale pools in those two
folders are removed first.

Sources: the Wubi and pinyin Rime dictionaries (short codes, key names,
readings) and Unihan: kTGH (Table of General Standard Chinese Characters;
numbers 1 to 3500 are its level-1 list) and kHanyuPinlu (frequency counts,
summed over a character's readings).
"""
import argparse
import pathlib
import re
import sys

import gbktext
import rimedict
import unihan
from inputmethods import ZONE_ORDER, Pinyin, Wubi

COMMON_COUNT = 3500
MOST_COMMON_COUNT = 500

# Characters that are Wubi radicals themselves, by key; their code is the key
# followed by the keys of their first, second and last strokes, which
# wubi_radical_characters() checks against the table.
RADICAL_CHARACTERS = {
    "g": "五戋", "f": "士二干十寸雨", "d": "犬三古石厂", "s": "丁西",
    "a": "戈弋廿七匚艹廾", "h": "止卜上", "j": "曰早虫刂", "k": "川",
    "l": "甲囗四皿车力", "m": "由贝冂几", "t": "竹攵夂彳", "r": "手扌斤",
    "e": "彡乃用豕", "w": "亻八", "q": "钅勹儿夕", "y": "讠文方广亠",
    "u": "辛六门疒丬", "i": "氵小", "o": "米灬", "p": "辶廴冖宀",
    "n": "巳己心忄羽尸", "b": "孑耳了也凵阝卩", "v": "刀九臼彐巛",
    "c": "巴马厶", "x": "幺弓匕",
}
STROKE_KEYS = set("ghtyn")

ZONES = (("横区常用字GFDSA", "gfdsa"), ("竖区常用字HJKLM", "hjklm"),
         ("撇区常用字TREWQ", "trewq"), ("捺区常用字YUIOP", "yuiop"),
         ("折区常用字NBVCX", "nbvcx"))

# Groups of pinyin initials as they are taught; y, w and the vowels form the
# syllables without an initial.
INITIAL_GROUPS = (("声母bpmf常用字", ("b", "p", "m", "f")),
                  ("声母dtnl常用字", ("d", "t", "n", "l")),
                  ("声母gkh常用字", ("g", "k", "h")),
                  ("声母jqx常用字", ("j", "q", "x")),
                  ("声母zhchshr常用字", ("zh", "ch", "sh", "r")),
                  ("声母zcs常用字", ("z", "c", "s")),
                  ("零声母常用字", ("y", "w", "a", "o", "e")))


def common_characters(unihan_dir):
    """The level-1 list of the general standard table, in its own order."""
    numbers = unihan.read_field(unihan_dir, "Unihan_OtherMappings", "kTGH")
    level1 = []
    for char, value in numbers.items():
        number = int(value.split(":")[1])
        if number <= COMMON_COUNT:
            level1.append((number, char))
    return [char for _, char in sorted(level1)]


def most_common(common, unihan_dir):
    """The most frequent characters of the common list, most frequent first."""
    readings = unihan.read_field(unihan_dir, "Unihan_Readings", "kHanyuPinlu")
    frequency = {c: sum(int(n) for n in re.findall(r"\((\d+)\)", v)) for c, v in readings.items()}
    ranked = sorted(range(len(common)), key=lambda i: (-frequency.get(common[i], 0), i))
    return [common[i] for i in ranked[:MOST_COMMON_COUNT]]


def first_candidates(entries, length):
    """{code: character} for the codes of the given length: the heaviest
    GB2312 character typed with exactly that code."""
    best = {}
    for entry in entries:
        if len(entry.code) == length and len(entry.text) == 1 and gbktext.is_gb2312_hanzi(entry.text):
            held = best.get(entry.code)
            if held is None or (entry.weight, -entry.order) > (held.weight, -held.order):
                best[entry.code] = entry
    return {code: entry.text for code, entry in best.items()}


def zone_sorted(codes):
    return sorted(codes, key=lambda code: [ZONE_ORDER.index(k) for k in code])


def key_name_characters(full_codes):
    """Per key, the character whose full code is the key four times."""
    names = []
    for key in ZONE_ORDER:
        found = [e for c, e in full_codes.items() if e.code == key * 4 and gbktext.is_gb2312_hanzi(c)]
        if not found:
            raise ValueError(f"no key-name character for key {key}")
        names.append(rimedict.by_weight(found)[0].text)
    return names


def wubi_radical_characters(full_codes):
    chars = []
    for key in ZONE_ORDER:
        for char in RADICAL_CHARACTERS[key]:
            code = full_codes[char].code if char in full_codes else ""
            if not code.startswith(key) or not set(code[1:]) <= STROKE_KEYS:
                raise ValueError(f"{char}: code {code!r} is not key {key} and strokes")
            chars.append(char)
    return chars


def wubi_pools(entries, common, top):
    full = Wubi.char_codes(entries)
    level1 = first_candidates(entries, 1)
    level2 = first_candidates(entries, 2)
    pools = {
        "一级简码": [level1[k] for k in ZONE_ORDER],
        "键名字": key_name_characters(full),
        "成字字根": wubi_radical_characters(full),
        "二级简码": [level2[c] for c in zone_sorted(level2)],
        "常用500字": top,
        "常用3500字": common,
    }
    for name, keys in ZONES:
        pools[name] = [c for c in common if c in full and full[c].code[0] in keys]
    return pools


def initial_group(spelling):
    for name, initials in INITIAL_GROUPS:
        if any(spelling.startswith(i) for i in initials if len(i) == 2):
            return name
    for name, initials in INITIAL_GROUPS:
        if spelling[0] in initials:
            return name
    raise ValueError(f"no initial group for {spelling!r}")


# The Wubi short-code and key-name characters are the most used characters
# and the building blocks of the rest: pinyin typists drill them too.
SHARED_POOLS = ("一级简码", "键名字", "二级简码")


def pinyin_pools(entries, common, top, unihan_dir):
    spelling = {c: e.code for c, e in Pinyin.char_codes(entries).items()}
    spelling.update(Pinyin.fallback_codes([c for c in common if c not in spelling], unihan_dir))
    pools = {"常用500字": top, "常用3500字": common}
    for name, _ in INITIAL_GROUPS:
        pools[name] = [c for c in common if c in spelling and initial_group(spelling[c]) == name]
    return pools


def write_pools(folder, pools):
    folder = pathlib.Path(folder)
    if folder.exists():
        for stale in folder.glob("*.txt"):
            stale.unlink()
    for name, chars in pools.items():
        gbktext.write_pool(folder / (name + ".txt"), chars)
    return {name + ".txt": len(chars) for name, chars in pools.items()}


def build(wubi_dict, pinyin_dict, unihan_dir, data_dir):
    """Writes both input methods' pools; returns {relative path: characters}."""
    common = common_characters(unihan_dir)
    top = most_common(common, unihan_dir)
    chinese = pathlib.Path(data_dir) / "chinese"
    wubi = wubi_pools(rimedict.read_entries(wubi_dict, Wubi.skip_code_prefix), common, top)
    pinyin = {name: wubi[name] for name in SHARED_POOLS}
    pinyin.update(pinyin_pools(rimedict.read_entries(pinyin_dict), common, top, unihan_dir))
    counts = {}
    for method, pools in ((Wubi, wubi), (Pinyin, pinyin)):
        for name, count in write_pools(chinese / method.folder / "word", pools).items():
            counts[f"chinese/{method.folder}/word/{name}"] = count
    return counts


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--wubi-dict", required=True)
    parser.add_argument("--pinyin-dict", required=True)
    parser.add_argument("--unihan", required=True, help="folder of the Unihan_*.txt[.bz2] files")
    parser.add_argument("--data", required=True, help="the program folder's data root")
    args = parser.parse_args(argv)
    for name, count in build(args.wubi_dict, args.pinyin_dict, args.unihan, args.data).items():
        print(f"{name}: {count} characters")
    return 0


if __name__ == "__main__":
    sys.exit(main())
