# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""What a character's or a phrase's code is, for each input method.

Both tables list several codes per character: Wubi its short codes beside
the full code, pinyin every reading. The code files carry one code per
entry, because the program takes the first line that holds the text.
"""
import unicodedata

import unihan
from rimedict import by_weight

# Key order of the Wubi zones (strokes: horizontal, vertical, falling,
# dot, turning), the order in which Wubi key tables are learnt.
ZONE_ORDER = "gfdsahjklmtrewqyuiopnbvcx"


def _group(entries):
    groups = {}
    for entry in entries:
        groups.setdefault(entry.text, []).append(entry)
    return groups


class Wubi:
    folder = "五笔"
    skip_code_prefix = "z"  # z-codes are punctuation and symbols

    @staticmethod
    def char_codes(entries):
        """{character: entry of its full code}: the longest code, the
        heaviest of equally long ones."""
        result = {}
        for char, group in _group(e for e in entries if len(e.text) == 1).items():
            result[char] = min(group, key=lambda e: (-len(e.code), -e.weight, e.order))
        return result

    @staticmethod
    def phrase_rule(phrase, char_codes):
        """The phrase code the Wubi rules give: two characters take two
        keys each; three take one, one and two; four or more take the first
        key of characters 1, 2, 3 and the last."""
        codes = [char_codes[c].code for c in phrase]
        if len(codes) == 2:
            return codes[0][:2] + codes[1][:2]
        if len(codes) == 3:
            return codes[0][0] + codes[1][0] + codes[2][:2]
        return codes[0][0] + codes[1][0] + codes[2][0] + codes[-1][0]

    @classmethod
    def phrase_entry(cls, phrase, group, char_codes):
        """A phrase listed under two codes keeps the one the rules give;
        the other is a collision-breaking alternative."""
        if len(group) > 1 and all(c in char_codes for c in phrase):
            ruled = cls.phrase_rule(phrase, char_codes)
            for entry in by_weight(group):
                if entry.code == ruled:
                    return entry
        return by_weight(group)[0]

    @staticmethod
    def keys(code):
        return code

    @staticmethod
    def fallback_codes(chars, unihan_dir):
        return {}


class Pinyin:
    folder = "拼音"
    skip_code_prefix = None

    @staticmethod
    def char_codes(entries):
        """{character: entry of its most used reading}."""
        return {char: by_weight(group)[0]
                for char, group in _group(e for e in entries if len(e.text) == 1).items()}

    @staticmethod
    def phrase_entry(phrase, group, char_codes):
        return by_weight(group)[0]

    @staticmethod
    def keys(code):
        """The keys typed for a spelling such as "xi an": the syllables run
        together, with the separating apostrophe before a syllable that
        starts with a, o or e (xi'an), as pinyin input methods take it."""
        syllables = code.split()
        typed = syllables[0]
        for syllable in syllables[1:]:
            typed += ("'" if syllable[0] in "aoe" else "") + syllable
        return typed

    @staticmethod
    def fallback_codes(chars, unihan_dir):
        """Readings from Unihan kMandarin for characters the table lacks,
        written as typed: without tone marks, ü as v."""
        if unihan_dir is None:
            return {}
        mandarin = unihan.read_field(unihan_dir, "Unihan_Readings", "kMandarin")
        found = {}
        for char in chars:
            if char in mandarin:
                found[char] = toneless(mandarin[char].split()[0])
        return found


def toneless(reading):
    decomposed = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    return "".join(c for c in decomposed if not unicodedata.combining(c))


METHODS = {"wubi": Wubi, "pinyin": Pinyin}
