#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Checks the shipped sound effects, background tunes and soundfont."""
import array
import hashlib
import os
import struct
import sys
import unittest
import wave
from pathlib import Path

DATA = Path(__file__).resolve().parents[2] / "data"
SOUND_FOLDER = DATA / "Music" / "sound"

# File name as the program spells it, longest allowed length in ms, and the
# shortest where a sound needs time to be what it is.
EFFECTS = (
    ("cw.WAV", 100, 0),        # wrong key: must stay short for fast typing
    ("type.wav", 100, 0),      # right key
    ("enter.wav", 500, 0),     # drill item finished
    ("blip.WAV", 1000, 0),
    ("slurp.wav", 1000, 0),
    ("plop.wav", 1000, 0),
    ("Bog.wav", 1000, 0),
    ("DOG.WAV", 1000, 0),
    ("DEADDOGC.WAV", 1000, 0),
    ("q028.WAV", 1000, 0),
    ("eolc.wav", 1500, 1000),  # level-up fanfare; the game waits for it
)
BUTTON_SOUNDS = (
    ("over.wav", 60, 0),
    ("click.wav", 100, 0),
)
ALL_SOUNDS = tuple((SOUND_FOLDER, name) for name, _, _ in EFFECTS) + tuple(
    (DATA / "resources", name) for name, _, _ in BUTTON_SOUNDS)
SILENCE = 0.02  # peak below this fraction of full scale counts as silent


def read_pcm(path):
    """Format and samples of a WAV file; wave.Error for anything but PCM."""
    with wave.open(str(path), "rb") as wav:
        form = (wav.getcomptype(), wav.getnchannels(), wav.getsampwidth(),
                wav.getframerate())
        frames = wav.readframes(wav.getnframes())
    samples = array.array("h", frames)
    if sys.byteorder == "big":
        samples.byteswap()
    return form, samples


def zero_crossings_per_second(samples, rate=22050):
    crossings = sum(1 for a, b in zip(samples, samples[1:])
                    if (a < 0) != (b < 0))
    return crossings * rate / len(samples)


class SoundFiles(unittest.TestCase):
    def check_sounds(self, folder, table):
        present = set(os.listdir(folder))
        for name, longest_ms, shortest_ms in table:
            with self.subTest(sound=name):
                # Exact spelling: a case-blind file system would hide a typo.
                self.assertIn(name, present)
                form, samples = read_pcm(folder / name)
                self.assertEqual(form, ("NONE", 1, 2, 22050))
                ms = 1000 * len(samples) / 22050
                self.assertLessEqual(ms, longest_ms)
                self.assertGreaterEqual(ms, shortest_ms)
                peak = max(abs(s) for s in samples) / 32768
                self.assertGreater(peak, SILENCE, "silent")
                self.assertLess(peak, 0.99, "clipped")

    def test_effects_are_short_mono_pcm_in_one_folder(self):
        self.check_sounds(SOUND_FOLDER, EFFECTS)

    def test_button_sounds(self):
        self.check_sounds(DATA / "resources", BUTTON_SOUNDS)

    def test_effects_differ(self):
        digests = {}
        for folder, name in ALL_SOUNDS:
            digest = hashlib.sha256((folder / name).read_bytes()).hexdigest()
            self.assertNotIn(digest, digests,
                             f"{name} is a copy of {digests.get(digest)}")
            digests[digest] = name

    def test_wrong_key_buzzes_lower_than_right_key(self):
        _, wrong = read_pcm(SOUND_FOLDER / "cw.WAV")
        _, right = read_pcm(SOUND_FOLDER / "type.wav")
        self.assertLess(zero_crossings_per_second(wrong),
                        zero_crossings_per_second(right) / 4)


def midi_chunks(data):
    """(id, body) of each chunk; ValueError when a length runs past the end."""
    chunks, pos = [], 0
    while pos < len(data):
        if pos + 8 > len(data):
            raise ValueError("truncated chunk header")
        cid, length = data[pos:pos + 4], struct.unpack(">I", data[pos + 4:pos + 8])[0]
        if pos + 8 + length > len(data):
            raise ValueError(f"chunk {cid!r} runs past the end")
        chunks.append((cid, data[pos + 8:pos + 8 + length]))
        pos += 8 + length
    return chunks


class BackgroundTunes(unittest.TestCase):
    def test_at_least_five_standard_midi_files(self):
        tunes = sorted((DATA / "Music").glob("*.mid"))
        self.assertGreaterEqual(len(tunes), 5)
        for tune in tunes:
            with self.subTest(tune=tune.name):
                chunks = midi_chunks(tune.read_bytes())
                cid, header = chunks[0]
                self.assertEqual(cid, b"MThd")
                form, tracks, division = struct.unpack(">HHH", header)
                self.assertIn(form, (0, 1))
                self.assertGreater(division, 0)
                self.assertEqual([c for c, _ in chunks[1:]], [b"MTrk"] * tracks)
                self.assertTrue(all(body.endswith(b"\xff\x2f\x00")
                                    for _, body in chunks[1:]),
                                "a track lacks its end-of-track event")


class Soundfont(unittest.TestCase):
    def test_general_midi_soundfont_with_its_note(self):
        folder = DATA / "soundfonts"
        head = (folder / "sf_GMbank.sf2").read_bytes()[:12]
        self.assertEqual((head[:4], head[8:]), (b"RIFF", b"sfbk"))
        self.assertIn("public domain", (folder / "README.txt").read_text())


if __name__ == "__main__":
    unittest.main()
