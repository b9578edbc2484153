#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Checks the built English articles and lists their word counts.

Each data/article/english/<category>/<title>.lmf must have exactly eight
CRLF-terminated lines of printable ASCII (typed on a plain keyboard), a
category and title of letters, digits, spaces and hyphens (shown in the
article tree), a text of 100 to 600 words, and remarks whose "N words"
matches the text. Every source must have been built. Exit status 1 on any
fault.
"""
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
SOURCES = HERE / "english"
BUILT = HERE.parents[1] / "data" / "article" / "english"
CLEAN_NAME = re.compile(r"[A-Za-z0-9][A-Za-z0-9 -]*")
MIN_WORDS, MAX_WORDS = 100, 600


def faults_of(path):
    data = path.read_bytes()
    if not data.endswith(b"\r\n"):
        return ["does not end with CR LF"], 0
    lines = data[:-2].split(b"\r\n")
    faults = []
    if len(lines) != 8:
        faults.append(f"{len(lines)} lines instead of 8")
    if any(b"\r" in line or b"\n" in line for line in lines):
        faults.append("bare CR or LF inside a line")
    if any(not 0x20 <= byte <= 0x7E for line in lines for byte in line):
        faults.append("characters outside printable ASCII")
    for name in (path.parent.name, path.stem):
        if not CLEAN_NAME.fullmatch(name):
            faults.append(f"unclean name {name!r}")
    text = lines[-1].decode("ascii", "replace")
    words = len(text.split())
    if not MIN_WORDS <= words <= MAX_WORDS:
        faults.append(f"{words} words, outside {MIN_WORDS} to {MAX_WORDS}")
    stated = re.search(r"(\d+) words", lines[6].decode("ascii", "replace")) if len(lines) > 6 else None
    if not stated or int(stated.group(1)) != words:
        faults.append(f"remarks do not state the {words} words of the text")
    return faults, words


def main():
    failed = False
    for source in sorted(SOURCES.glob("*/*.txt")):
        if not (BUILT / source.parent.name / (source.stem + ".lmf")).exists():
            print(f"not built: {source.relative_to(HERE)}")
            failed = True
    built = sorted(BUILT.glob("*/*.lmf"))
    for path in built:
        faults, words = faults_of(path)
        print(f"{words:4d}  {path.parent.name} / {path.stem}")
        for fault in faults:
            print(f"      FAULT: {fault}")
        failed = failed or bool(faults)
    categories = {path.parent.name for path in built}
    print(f"{len(built)} articles in {len(categories)} categories")
    return 1 if failed or not built else 0


if __name__ == "__main__":
    sys.exit(main())
