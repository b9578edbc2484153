# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Writers for the program folder's text files: GBK, CR LF, nothing else.

The program reads these files in the Windows ANSI code page of a Chinese
system, so every character must encode in GBK; a character that does not is
an error here rather than a '?' in the shipped file.
"""
import pathlib

# Licence texts carry a few signs GBK lacks; their plain ASCII forms keep the
# notices readable without changing what they say.
_NOTICE_SUBSTITUTES = {"\u00a9": "(c)", "\u00ae": "(R)"}


def gbk_bytes(text):
    return text.encode("gbk", errors="strict")


def write_lines(path, lines):
    """Writes one line per item, each ended by CR LF."""
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    body = "".join(line + "\r\n" for line in lines)
    path.write_bytes(gbk_bytes(body))


def write_pool(path, characters):
    """Writes a character pool: one line and no line break, since the drill
    draws from every character of the file."""
    text = "".join(characters)
    if not text or "\n" in text or "\r" in text:
        raise ValueError(f"{path}: a pool is one non-empty line")
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(gbk_bytes(text))


def write_notice(path, text):
    """Writes a licence notice; line ends of the source text become CR LF."""
    for sign, plain in _NOTICE_SUBSTITUTES.items():
        text = text.replace(sign, plain)
    lines = text.replace("\r\n", "\n").rstrip("\n").split("\n")
    write_lines(path, [line.rstrip() for line in lines])


def gb2312_hanzi():
    """The 6,763 Chinese characters of GB2312 in code order (rows 16 to 87)."""
    chars = []
    for lead in range(0xB0, 0xF8):
        for trail in range(0xA1, 0xFF):
            if lead == 0xD7 and trail > 0xF9:
                continue  # row 55 ends at position 89
            chars.append(bytes((lead, trail)).decode("gb2312"))
    return chars


def is_gb2312_hanzi(char):
    try:
        raw = char.encode("gb2312")
    except UnicodeEncodeError:
        return False
    return len(raw) == 2 and 0xB0 <= raw[0] <= 0xF7
