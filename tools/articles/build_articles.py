#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Builds the shipped practice articles (.lmf) from the sources in this folder.

Source layout: <language>/<category>/<title>.txt, UTF-8. An optional header of
"key: value" lines (provider, source, qq, email, web, remarks) ends at the
first blank line; the rest is the article body. Paragraphs of the body are
joined onto one line: Chinese with nothing between them, English with one
space, because the article file holds the whole text on its eighth line.

Output: data/article/<language>/<category>/<title>.lmf, eight lines, GBK, CRLF.
Running it twice gives the same files; stale .lmf files are removed.
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]
OUT = ROOT / "data" / "article"
LANGUAGES = ("chinese", "english")
DEFAULTS = {
    "provider": "Qintara",
    "source": "Qintara 原创练习文章",
    "qq": "",
    "email": "qintara@users.noreply.example",
    "web": "https://qintara.example/articles",
    "remarks": "",
}


def parse(path):
    text = path.read_text(encoding="utf-8").replace("\r\n", "\n")
    header = dict(DEFAULTS)
    head, sep, body = text.partition("\n\n")
    lines = head.split("\n")
    if sep and all(":" in line and line.split(":", 1)[0].strip() in DEFAULTS for line in lines):
        for line in lines:
            key, value = line.split(":", 1)
            header[key.strip()] = value.strip()
    else:
        body = text
    return header, body


def one_line(body, language):
    paragraphs = [" ".join(p.split()) if language == "english" else "".join(p.split())
                  for p in body.split("\n\n")]
    paragraphs = [p for p in paragraphs if p]
    return (" " if language == "english" else "").join(paragraphs)


def build_one(source, language):
    header, body = parse(source)
    text = one_line(body, language)
    if not text:
        raise ValueError(f"{source}: empty article")
    lines = [source.stem, header["provider"], header["source"], header["qq"],
             header["email"], header["web"], header["remarks"], text]
    for line in lines:
        if "\n" in line or "\r" in line:
            raise ValueError(f"{source}: line break inside a field")
    return "\r\n".join(lines).encode("gbk") + b"\r\n"


def main():
    written = set()
    for language in LANGUAGES:
        for source in sorted((HERE / language).glob("*/*.txt")):
            target = OUT / language / source.parent.name / (source.stem + ".lmf")
            data = build_one(source, language)
            target.parent.mkdir(parents=True, exist_ok=True)
            if not target.exists() or target.read_bytes() != data:
                target.write_bytes(data)
            written.add(target)
    for stale in OUT.glob("*/*/*.lmf"):
        if stale not in written:
            stale.unlink()
    print(f"{len(written)} articles in {OUT}")


if __name__ == "__main__":
    sys.exit(main())
