#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the English word lists from ECDICT.

Output, below --data: English/word/<list>.txt, one word#meaning line per
word, sorted alphabetically. The six lists are also the program's meaning
list for word hints, so each word gets the same short meaning in every list.
Stale lists in that folder are removed first.

Source: the ECDICT SQLite file (table stardict: word, translation, tag),
exam tags in tag; the primary-school list is primary_words.txt beside this
script, with meanings from ECDICT.
"""
import argparse
import pathlib
import re
import sqlite3
import sys

import gbktext

# List name -> exam tags it takes, and tags whose words it leaves out.
TAGGED_LISTS = {
    "新版初中英语": ({"zk"}, set()),
    "新版高中英语": ({"gk"}, set()),
    "托福600分单词": ({"toefl"}, set()),
    "大学英语1－4级词汇": ({"cet4"}, set()),
    "大学英语5－6级词汇": ({"cet6"}, {"cet4"}),
}
PRIMARY_LIST = "新版小学英语"

# A meaning must read in one label line.
MEANING_LIMIT = 40
SENSES_PER_LINE = 3

_PART_OF_SPEECH = re.compile(r"^((?:[a-z]+\.)+)\s*")
_DOMAIN_LINE = re.compile(r"^(?:[a-z]+\.\s*)*\[[^\]]*\]")
_INFLECTION_NOTE = re.compile(r"的(?:过去式|过去分词|现在分词|复数|第三人称单数|比较级|最高级)")
_SENSE_SEPARATOR = re.compile(r"\s*[,;，；]\s*")
_TYPEABLE_WORD = re.compile(r"[A-Za-z][A-Za-z .'\-]*")


def short_meaning(translation):
    """The first senses of an ECDICT translation, within MEANING_LIMIT
    characters: "n. 苹果, 家伙; vt. ...". Subject-field lines ("[医] ..."),
    notes on inflected forms and lines without a part of speech are dropped
    when other lines remain."""
    lines = [l.strip() for l in translation.replace("\r", "\n").split("\n") if l.strip()]
    general = [l for l in lines if not _DOMAIN_LINE.match(l)]
    plain = [l for l in general if not _INFLECTION_NOTE.search(l)]
    # Lines without a part of speech are abbreviations and notes; they serve
    # only when nothing else does.
    tagged = [l for l in plain if _PART_OF_SPEECH.match(l)]
    lines = tagged or plain or general or [re.sub(r"\[[^\]]*\]\s*", "", l) for l in lines]
    pieces = []
    for line in lines:
        match = _PART_OF_SPEECH.match(line)
        prefix = match.group(1) + " " if match else ""
        senses = [s for s in _SENSE_SEPARATOR.split(line[match.end() if match else 0:]) if s]
        for index, sense in enumerate(senses[:SENSES_PER_LINE]):
            if index == 0:
                piece = ("; " if pieces else "") + prefix + sense
            else:
                piece = ", " + sense
            if pieces and len("".join(pieces)) + len(piece) > MEANING_LIMIT:
                return "".join(pieces)[:MEANING_LIMIT]
            pieces.append(piece)
    return "".join(pieces)[:MEANING_LIMIT]


def is_typeable(word):
    return bool(_TYPEABLE_WORD.fullmatch(word))


def read_primary_words(path):
    words = []
    for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            words.append(line)
    return words


def list_lines(rows):
    """word#meaning lines, alphabetical without regard to case."""
    lines = []
    for word, translation in sorted(rows, key=lambda r: (r[0].lower(), r[0])):
        meaning = short_meaning(translation)
        if "#" in word or "#" in meaning or not meaning:
            raise ValueError(f"{word!r}: cannot form a word#meaning line")
        lines.append(f"{word}#{meaning}")
    return lines


def tagged_rows(db):
    rows = db.execute("SELECT word, translation, tag FROM stardict "
                      "WHERE tag IS NOT NULL AND tag != '' AND translation IS NOT NULL")
    return [(w, t, set(tag.split())) for w, t, tag in rows if is_typeable(w)]


def primary_rows(db, words):
    rows = []
    for word in words:
        found = db.execute("SELECT word, translation FROM stardict "
                           "WHERE word = ? COLLATE NOCASE AND translation IS NOT NULL "
                           "LIMIT 1", (word,)).fetchone()
        if found is None:
            raise ValueError(f"{word!r} is not in the dictionary")
        # The list's spelling stands: the dictionary holds one spelling per
        # word regardless of case ("AM" for am).
        rows.append((word, found[1]))
    return rows


def build(ecdict_path, primary_path, data_dir):
    """Writes the six lists; returns {relative path: lines}."""
    folder = pathlib.Path(data_dir) / "English" / "word"
    if folder.exists():
        for stale in folder.glob("*.txt"):
            stale.unlink()
    db = sqlite3.connect(f"file:{ecdict_path}?mode=ro", uri=True)
    try:
        lists = {PRIMARY_LIST: primary_rows(db, read_primary_words(primary_path))}
        tagged = tagged_rows(db)
    finally:
        db.close()
    for name, (wanted, excluded) in TAGGED_LISTS.items():
        lists[name] = [(w, t) for w, t, tags in tagged if tags & wanted and not tags & excluded]
    counts = {}
    for name, rows in lists.items():
        lines = list_lines(rows)
        gbktext.write_lines(folder / (name + ".txt"), lines)
        counts[f"English/word/{name}.txt"] = len(lines)
    return counts


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--ecdict", required=True, help="the ecdict.sqlite file")
    parser.add_argument("--primary", default=str(pathlib.Path(__file__).with_name("primary_words.txt")))
    parser.add_argument("--data", required=True, help="the program folder's data root")
    args = parser.parse_args(argv)
    for name, count in build(args.ecdict, args.primary, args.data).items():
        print(f"{name}: {count} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
