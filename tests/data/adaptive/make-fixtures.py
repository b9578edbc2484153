#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Makes the damaged keystroke history files under broken/ (the CSV golden
files beside this script are written by hand)."""
import pathlib
import random

here = pathlib.Path(__file__).parent
rng = random.Random(15)
noise = bytes(rng.randrange(256) for _ in range(4096))
(here / "broken" / "random-bytes.sqlite").write_bytes(noise)
# A valid SQLite header followed by noise: opens, then fails the check.
rest = bytes(rng.randrange(256) for _ in range(8192 - 16))
(here / "broken" / "header-then-noise.sqlite").write_bytes(b"SQLite format 3\0" + rest)
