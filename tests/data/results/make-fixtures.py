#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Writes the result-file fixtures as the Windows program lays them out:
30-byte records, GBK texts padded with spaces, little-endian 16-bit numbers,
no header. Written independently of the C++ code so that the tests compare
against bytes the reader and writer did not produce themselves."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def text(value, width):
    data = value.encode("gbk")
    assert len(data) <= width, value
    return data + b" " * (width - len(data))


def record(date, time, input_count, speed, correct, wrong, accuracy):
    data = (text(date, 8) + text(time, 8)
            + struct.pack("<hhhh", input_count, speed, correct, wrong)
            + text(accuracy, 6))
    assert len(data) == 30
    return data


def write(name, data):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


WINDOWS = [
    record("25-06-03", "00:05:23", 240, 44, 236, 4, "98.33%"),
    record("25-06-04", "00:10:00", 300, 30, 300, 0, "100%"),
    # The figures at the 16-bit limit, and a wrong count a Backspace took below 0.
    record("99-12-31", "01:02:03", 32767, 999, 32000, -3, "97.65%"),
]
NEW = record("25-06-05", "00:00:41", 30, 43, 29, 1, "96.66%")

write("windows-egrade.dat", b"".join(WINDOWS))
write("appended-to-windows.dat", b"".join(WINDOWS) + NEW)
write("new-record.dat", NEW)

# Cut off in the middle of record 2: 45 bytes count as 2 records, and the next
# record goes behind them, from byte 60.
short = b"".join(WINDOWS)[:45]
write("broken/short-45.dat", short)
write("appended-to-45.dat", short + b"\0" * 15 + NEW)

# Twenty Chinese results of June 2025, one a day; the newest seven hold the
# fastest and a speed of 0, the oldest the slowest.
SPEEDS = [5, 20, 26, 48, 51, 100, 101, 125, 126, 150, 151, 200, 201, 250, 0, 60, 70, 80, 90, 48]
write("cgrade-20.dat", b"".join(
    record("25-06-%02d" % day, "00:01:00", speed, speed, speed, 0, "100%")
    for day, speed in enumerate(SPEEDS, start=1)))

# A wrong-character practice file as the save dialog writes it.
lines = [
    "错字练习",
    "Qintara",
    "原创",
    "无",
    "qintara@example.org",
    "https://qintara.example.org/",
    "本文件是用户在进行文章练习(春晓)时所有输入错误的字,建议用户选择此文件练习!",
    "眠觉晓啼",
]
write("wrong-characters.lmf", "".join(line + "\r\n" for line in lines).encode("gbk"))
