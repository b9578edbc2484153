# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Reader of single fields of the Unihan database files.

Lines are U+XXXX<TAB>field<TAB>value; the files may be bzip2-compressed
(as Debian ships them) or plain.
"""
import bz2
import pathlib


def read_field(folder, file_stem, field):
    """{character: value} of one field, e.g. ("Unihan_OtherMappings", "kTGH")."""
    folder = pathlib.Path(folder)
    packed = folder / (file_stem + ".txt.bz2")
    path = packed if packed.exists() else folder / (file_stem + ".txt")
    opener = bz2.open if path.suffix == ".bz2" else open
    values = {}
    with opener(path, "rt", encoding="utf-8") as stream:
        for line in stream:
            if line.startswith("#") or not line.strip():
                continue
            point, name, value = line.rstrip("\n").split("\t", 2)
            if name == field:
                values[chr(int(point[2:], 16))] = value
    return values
