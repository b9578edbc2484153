#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Synthesises the key, game and push-button sounds with sox.

Every sound is a few voices (one sox synth chain each, started at a given
time) mixed and normalised to a peak level. Output: 22.05 kHz mono 16-bit
PCM WAV under data/Music/sound/ and data/resources/. sox runs in repeatable
mode (-R, fixed noise seeds) without dither (-D), so running this twice
gives the same bytes.

Usage: make_sounds.py            (needs sox on PATH)
"""
import dataclasses
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parents[1] / "data"
RATE = 22050
SOX = ["sox", "-R", "-D", "--no-show-progress"]
PCM16 = ["-r", str(RATE), "-c", "1", "-b", "16", "-e", "signed-integer"]


@dataclasses.dataclass(frozen=True)
class Voice:
    length: float   # seconds of sound this voice makes
    tone: str       # sox synth wave and frequency, e.g. "sine 440" or "pinknoise"
    shape: str = "" # further sox effects: filters, envelope
    at: float = 0.0 # start time in seconds
    level: float = 1.0


@dataclasses.dataclass(frozen=True)
class Sound:
    path: str       # relative to data/
    peak_db: float  # peak after normalising, dBFS
    voices: tuple
    finish: str = ""  # sox effects on the mixed sound


def decay(length, power=2, attack=0.002):
    """Envelope: a short linear attack, then a fall to zero over the whole
    length; repeating the fall gives a steeper, more percussive curve."""
    falls = " ".join(f"fade t 0 -0 {length}" for _ in range(power))
    return f"fade t {attack} -0 {length} {falls}"


def note(at, length, freq, wave="sawtooth", power=1, level=1.0, attack=0.01):
    """A brass-like note for the fanfare: a bright wave, softened."""
    return Voice(length, f"{wave} {freq}",
                 f"lowpass 2400 {decay(length, power, attack)}", at, level)


SOUNDS = (
    # A right key: a short, soft wooden tick.
    Sound("Music/sound/type.wav", -9.0, (
        Voice(0.035, "sine 1900", decay(0.035, 3, 0.001)),
        Voice(0.035, "sine 3800", decay(0.035, 4, 0.001), level=0.35),
        Voice(0.010, "pinknoise", "highpass 2000 " + decay(0.010, 2, 0.0005),
              level=0.5),
    ), finish="lowpass 7000"),
    # A wrong key: a low, rough buzz (two detuned low tones beating).
    Sound("Music/sound/cw.WAV", -6.0, (
        Voice(0.085, "square 110", "lowpass 1200 " + decay(0.085, 1, 0.004)),
        Voice(0.085, "sawtooth 117", "lowpass 1200 " + decay(0.085, 1, 0.004),
              level=0.7),
    )),
    # An item finished: a light rising two-note chime.
    Sound("Music/sound/enter.wav", -6.0, (
        Voice(0.20, "sine G6", decay(0.20, 2, 0.003)),
        Voice(0.20, "sine 4704", decay(0.20, 4, 0.003), level=0.25),
        Voice(0.28, "sine C7", decay(0.28, 2, 0.003), at=0.09),
        Voice(0.28, "sine 6279", decay(0.28, 4, 0.003), at=0.09, level=0.25),
    )),
    # Frog game, the score fell to 500: two short warning beeps.
    Sound("Music/sound/blip.WAV", -6.0, (
        Voice(0.07, "square A5", "lowpass 3000 " + decay(0.07, 1, 0.003)),
        Voice(0.07, "square A5", "lowpass 3000 " + decay(0.07, 1, 0.003),
              at=0.12),
    )),
    # Frog game, the tongue catches a letter: a wet, rising slurp.
    Sound("Music/sound/slurp.wav", -5.0, (
        Voice(0.22, "sine 260/1100", "tremolo 32 60 " + decay(0.22, 1, 0.01)),
        Voice(0.22, "brownnoise", "bandpass 900 1.5q tremolo 28 80 "
              + decay(0.22, 1, 0.02), level=0.35),
    )),
    # Frog game, a letter drops into the pond: a falling plop.
    Sound("Music/sound/plop.wav", -5.0, (
        Voice(0.16, "sine 620/150", decay(0.16, 2, 0.002)),
        Voice(0.012, "pinknoise", "lowpass 3000 " + decay(0.012, 2, 0.0005),
              level=0.3),
    )),
    # Frog game, ripples on the water: a soft splash with a few bubbles.
    Sound("Music/sound/Bog.wav", -9.0, (
        Voice(0.42, "pinknoise", "highpass 300 lowpass 2500 "
              + decay(0.42, 2, 0.005)),
        Voice(0.05, "sine 500/1300", decay(0.05, 1, 0.003), at=0.08,
              level=0.45),
        Voice(0.04, "sine 650/1500", decay(0.04, 1, 0.003), at=0.19,
              level=0.4),
        Voice(0.035, "sine 800/1700", decay(0.035, 1, 0.003), at=0.30,
              level=0.35),
    )),
    # Mole game, a mole comes up: a pop and two quick rising chirps.
    Sound("Music/sound/DOG.WAV", -6.0, (
        Voice(0.02, "pinknoise", "lowpass 1500 " + decay(0.02, 2, 0.001)),
        Voice(0.07, "triangle 300/600", decay(0.07, 1, 0.004), at=0.02),
        Voice(0.09, "triangle 450/900", decay(0.09, 1, 0.004), at=0.10),
    )),
    # Mole game, a mole is hit: a bonk, then a dazed wobble.
    Sound("Music/sound/DEADDOGC.WAV", -5.0, (
        Voice(0.12, "sine 220/70", decay(0.12, 2, 0.001)),
        Voice(0.04, "square 660", "lowpass 2000 " + decay(0.04, 2, 0.001),
              level=0.5),
        Voice(0.015, "whitenoise", "lowpass 4000 " + decay(0.015, 2, 0.0005),
              level=0.5),
        Voice(0.32, "sine 900/500", "tremolo 14 90 " + decay(0.32, 1, 0.02),
              at=0.12, level=0.35),
    )),
    # Shooting game, the shot: a crack over a short thump.
    Sound("Music/sound/q028.WAV", -4.0, (
        Voice(0.32, "whitenoise", "lowpass 3500 " + decay(0.32, 3, 0.001)),
        Voice(0.18, "sine 140/45", decay(0.18, 2, 0.001), level=0.8),
        Voice(0.01, "whitenoise", "highpass 2000 " + decay(0.01, 1, 0.0005),
              level=0.6),
    )),
    # Any game, level up: a short fanfare rising to a held C major chord.
    Sound("Music/sound/eolc.wav", -4.0, (
        note(0.00, 0.10, "C5"),
        note(0.11, 0.10, "E5"),
        note(0.22, 0.10, "G5"),
        note(0.33, 0.18, "C6"),
        note(0.53, 0.10, "G5"),
        note(0.65, 0.70, "C5", power=2, level=0.7),
        note(0.65, 0.70, "E5", power=2, level=0.7),
        note(0.65, 0.70, "G5", power=2, level=0.7),
        note(0.65, 0.70, "C6", power=2),
        note(0.65, 0.70, "C4", wave="square", power=2, level=0.5),
    ), finish="gain -6 reverb 25 50 40"),
    # Push button, pointer enters: a very soft, short tick.
    Sound("resources/over.wav", -22.0, (
        Voice(0.012, "sine 3200", decay(0.012, 3, 0.0005)),
    )),
    # Push button, click: a firm press and a lighter release.
    Sound("resources/click.wav", -10.0, (
        Voice(0.015, "sine 1200", decay(0.015, 2, 0.0005)),
        Voice(0.008, "pinknoise", "highpass 1000 " + decay(0.008, 1, 0.0005),
              level=0.6),
        Voice(0.012, "sine 1600", decay(0.012, 2, 0.0005), at=0.022,
              level=0.5),
    )),
)


def run(args):
    subprocess.run(args, check=True)


def render_voice(voice, target):
    """One voice as a float file, silent until voice.at."""
    run(SOX + ["-n", "-r", str(RATE), "-c", "1", "-e", "floating-point",
               "-b", "32", str(target), "synth", str(voice.length),
               *voice.tone.split(), *voice.shape.split(),
               "pad", f"{voice.at}", "0"])


def render(sound, work):
    # Weights that sum to 1 keep the mix from clipping before it is
    # normalised.
    total = sum(voice.level for voice in sound.voices)
    parts = []
    for index, voice in enumerate(sound.voices):
        part = work / f"{index}.wav"
        render_voice(voice, part)
        parts += ["-v", f"{voice.level / total:.6f}", str(part)]
    target = DATA / sound.path
    target.parent.mkdir(parents=True, exist_ok=True)
    mix = ["-m"] if len(sound.voices) > 1 else []
    run(SOX + mix + parts + PCM16 + [str(target), *sound.finish.split(),
                                     "gain", "-n", f"{sound.peak_db}"])


def main():
    for sound in SOUNDS:
        with tempfile.TemporaryDirectory() as work:
            render(sound, pathlib.Path(work))
        print(f"made data/{sound.path}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
