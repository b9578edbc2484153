#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the two number drill files, written for this project.

Output, below --data:
  chinese/number.txt   a pool of the Chinese number characters, common and
                       capital (financial) forms, on one line without a
                       line break
  English/number.txt   number words as word#meaning lines
"""
import argparse
import pathlib
import sys

import gbktext

CHINESE_NUMBERS = "零一二三四五六七八九十百千万亿" + "壹贰叁肆伍陆柒捌玖拾佰仟萬億"

_UNITS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
          "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
          "seventeen", "eighteen", "nineteen", "twenty"]
_UNIT_ORDINALS = ["", "first", "second", "third", "fourth", "fifth", "sixth", "seventh",
                  "eighth", "ninth", "tenth", "eleventh", "twelfth", "thirteenth",
                  "fourteenth", "fifteenth", "sixteenth", "seventeenth", "eighteenth",
                  "nineteenth", "twentieth"]
_TENS = [(30, "thirty", "thirtieth"), (40, "forty", "fortieth"), (50, "fifty", "fiftieth"),
         (60, "sixty", "sixtieth"), (70, "seventy", "seventieth"), (80, "eighty", "eightieth"),
         (90, "ninety", "ninetieth")]
_LARGE = [("hundred", "百", "hundredth", "第一百"), ("thousand", "千", "thousandth", "第一千"),
          ("million", "百万", "millionth", "第一百万"), ("billion", "十亿", "billionth", "第十亿")]
_OTHERS = [("half", "一半"), ("quarter", "四分之一"), ("dozen", "一打，十二个"),
           ("once", "一次"), ("twice", "两次"), ("double", "两倍"), ("triple", "三倍")]
_DIGITS = "零一二三四五六七八九"


def chinese_number(n):
    """Chinese numeral for 0 to 99, as 十一, 二十, 九十."""
    if n <= 10:
        return "十" if n == 10 else _DIGITS[n]
    tens, units = divmod(n, 10)
    return ("" if tens == 1 else _DIGITS[tens]) + "十" + (_DIGITS[units] if units else "")


def english_lines():
    lines = [f"{word}#{chinese_number(n)}" for n, word in enumerate(_UNITS)]
    lines += [f"{word}#{chinese_number(n)}" for n, word, _ in _TENS]
    lines += [f"{word}#{meaning}" for word, meaning, _, _ in _LARGE]
    lines += [f"{word}#第{chinese_number(n)}" for n, word in enumerate(_UNIT_ORDINALS) if word]
    lines += [f"{ordinal}#第{chinese_number(n)}" for n, _, ordinal in _TENS]
    lines += [f"{ordinal}#{meaning}" for _, _, ordinal, meaning in _LARGE]
    lines += [f"{word}#{meaning}" for word, meaning in _OTHERS]
    return lines


def build(data_dir):
    """Writes both files; returns {relative path: entries}."""
    data_dir = pathlib.Path(data_dir)
    gbktext.write_pool(data_dir / "chinese" / "number.txt", CHINESE_NUMBERS)
    lines = english_lines()
    gbktext.write_lines(data_dir / "English" / "number.txt", lines)
    return {"chinese/number.txt": len(CHINESE_NUMBERS), "English/number.txt": len(lines)}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--data", required=True, help="the program folder's data root")
    args = parser.parse_args(argv)
    for name, count in build(args.data).items():
        print(f"{name}: {count}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
