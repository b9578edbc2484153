#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Writes a small program folder of skins for the skin tests: skin.ini files
in GBK with CR LF line ends, and plain-coloured PNG pictures (a 2x drawing
beside the caption) so that tests can tell each picture by its colour.

  湖蓝         a complete skin; its title picture has a 2x drawing
  norim        its right rim picture is missing
  badcolour    Menu_UpColor is not a number
  oddbutton    Button_FrameColor is not a number; booleans as numbers
  noxpstyle    no Button_XpStyle key
"""

import os
import shutil
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SKINS = os.path.join(HERE, "program", "skins")


def png(width, height, rgb):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    row = b"\x00" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(row * height))
            + chunk(b"IEND", b""))


# name, size, colour: each picture a colour of its own.
PICTURES = [
    ("caption.png", (40, 28), (10, 20, 30)),
    ("caption@2x.png", (80, 56), (11, 21, 31)),
    ("about_up.png", (28, 22), (40, 0, 0)),
    ("about_down.png", (28, 22), (41, 0, 0)),
    ("little_up.png", (28, 22), (50, 0, 0)),
    ("little_down.png", (28, 22), (51, 0, 0)),
    ("close_up.png", (28, 22), (60, 0, 0)),
    ("close_down.png", (28, 22), (61, 0, 0)),
    ("rim_left.png", (4, 32), (70, 0, 0)),
    ("rim_left_bottom.png", (4, 4), (71, 0, 0)),
    ("rim_bottom.png", (32, 4), (72, 0, 0)),
    ("rim_right_bottom.png", (4, 4), (73, 0, 0)),
    ("Rim_Right.PNG", (4, 32), (74, 0, 0)),
]

KEYS = [
    ("Name", None),
    ("author", "Qintara"),
    ("explain", "测试皮肤"),
    ("Caption_Color", "65535"),              # yellow
    ("Caption_Pic", "caption.png"),
    ("About_PicUp", "about_up.png"),
    ("About_PicDown", "about_down.png"),
    ("Little_PicUp", "little_up.png"),
    ("Little_PicDown", "little_down.png"),
    ("Close_PicUp", "close_up.png"),
    ("Close_PicDown", "close_down.png"),
    ("Rim_PicLeft", "rim_left.png"),
    ("Rim_PicLeftBottom", "rim_left_bottom.png"),
    ("Rim_PicBottom", "rim_bottom.png"),
    ("Rim_PicRightBottom", "rim_right_bottom.png"),
    ("Rim_PicRight", "rim_right.png"),       # matched without regard to case
    ("Menu_BackColor", "1"),                 # RGB(1, 0, 0)
    ("Menu_UpColor", "2"),
    ("Menu_DownColor", "3"),
    ("Menu_FrameColor", "4"),
    ("Menu_FontColor", "5"),
    ("Window_BackColor", "3355443"),         # RGB(51, 51, 51)
    ("TextBoxColor", "6"),
    ("Lable_FontColor", "65280"),            # green
    ("Button_BackColor", "255"),             # red
    ("Button_FontColor", "16777215"),        # white
    ("Button_FrameColor", "16711680"),       # blue
    ("Button_DownColor", "8421504"),         # grey 128
    ("Button_XpStyle", "True"),
    ("Button_XpWinStyle", "False"),
]


def skin(folder, changes=None, missing=()):
    path = os.path.join(SKINS, folder)
    os.makedirs(path, exist_ok=True)
    changes = changes or {}
    lines = ["[skin]"]
    for key, value in KEYS:
        if key in changes:
            value = changes[key]
        if key == "Name":
            value = folder
        if value is not None:
            lines.append(f"{key}={value}")
    with open(os.path.join(path, "skin.ini"), "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("gbk"))
    for name, size, colour in PICTURES:
        if name not in missing:
            with open(os.path.join(path, name), "wb") as out:
                out.write(png(*size, colour))


shutil.rmtree(SKINS, ignore_errors=True)
skin("湖蓝")
skin("norim", missing=("Rim_Right.PNG",))
skin("badcolour", {"Menu_UpColor": "blue"})
skin("oddbutton", {"Button_FrameColor": "orange", "Button_XpStyle": "0", "Button_XpWinStyle": "-1"})
skin("noxpstyle", {"Button_XpStyle": None})
