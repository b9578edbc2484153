#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Splitting characters into Wubi radicals.

A character is split by flattening its Make Me a Hanzi decomposition (an IDS
tree plus, for every stroke, the path of the component it belongs to) until
every leaf is a radical of the grid. A component stops the descent as soon as
it is a radical itself, so the largest radical wins, as Wubi teaches. Where
Wubi splits a component differently from the decomposition (矢 = 𠂉 大), a
rule from rules.txt takes its place; a rule may list alternatives, and the
caller keeps the first split whose keys give the character's code.

Radicals are ordered by the writing order of their first stroke: a leaf's
strokes are mapped into the strokes of the character it sits in, so an
enclosure such as 匚 in 匿 comes first and 辶 comes last. The parts of a rule
take the component's strokes in turn when their stroke counts add up, so a
rule's parts interleave with what the component encloses (咸 = 厂 一 口 ...).
"""
import itertools
import json

from grid import CELLS, STROKE_CELLS, STROKE_COUNTS, form_cells

IDC_ARITY = {"⿰": 2, "⿱": 2, "⿲": 3, "⿳": 3, "⿴": 2, "⿵": 2, "⿶": 2,
             "⿷": 2, "⿸": 2, "⿹": 2, "⿺": 2, "⿻": 2}
UNKNOWN = "？"
MAX_SPLITS = 256      # alternatives kept per component
MAX_DEPTH = 12


def read_dictionary(path):
    """Make Me a Hanzi dictionary.txt: character -> (decomposition, matches)."""
    entries = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if line.strip():
                obj = json.loads(line)
                entries[obj["character"]] = (obj["decomposition"], obj["matches"])
    return entries


def read_rules(path):
    """rules.txt: "component = part part ... | alternative ..." per line.

    A part is a character (split in its turn) or a cell such as c2. Lines
    starting with # and blank lines are skipped.
    """
    rules = {}
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            name, sep, body = line.partition("=")
            name = name.strip()
            if not sep or len(name) != 1 or name in rules:
                raise ValueError(f"{path}:{number}: bad or repeated rule")
            rules[name] = [alt.split() for alt in body.split("|")]
            if not all(rules[name]):
                raise ValueError(f"{path}:{number}: empty alternative")
    return rules


def parse_ids(text):
    """Leaves of an IDS string as (path, character), in IDS order."""
    leaves = []

    def walk(pos, path):
        ch = text[pos]
        if ch in IDC_ARITY:
            pos += 1
            for child in range(IDC_ARITY[ch]):
                pos = walk(pos, path + (child,))
            return pos
        leaves.append((path, ch))
        return pos + 1

    end = walk(0, ())
    if end != len(text):
        raise ValueError(f"bad decomposition {text!r}")
    return leaves


def is_cell(token):
    return len(token) == 2 and "a" <= token[0] <= "y" and token[1].isdigit()


class Splitter:
    """Candidate radical sequences of characters, best first."""

    def __init__(self, dictionary, rules):
        self.dictionary = dictionary
        self.rules = rules
        self.forms = form_cells()
        for name, alternatives in rules.items():
            for token in itertools.chain.from_iterable(alternatives):
                if not is_cell(token) and len(token) != 1:
                    raise ValueError(f"rule {name}: bad part {token!r}")
        self.cell_strokes = dict(STROKE_COUNTS)
        for cell, glyph, chars, _desc in CELLS:
            if glyph[0] == "strokes":
                self.cell_strokes[cell] = len(glyph[2])
            elif chars[0] in dictionary:
                self.cell_strokes[cell] = len(dictionary[chars[0]][1])

    def splits(self, ch):
        """Every candidate split of ch: lists of cells in typing order."""
        return [[cell for _key, cell in split]
                for split in self._expand(ch, lambda j: (j,), 0)]

    def _expand(self, ch, key_of, depth):
        """Splits of ch as lists of (sort key, cell); key_of maps ch's own
        stroke numbers to sort keys in the character being split."""
        if depth > MAX_DEPTH:
            return []
        if ch in self.rules:
            found = []
            strokes = self._stroke_count(ch)
            for alternative in self.rules[ch]:
                found += self._expand_parts(alternative, key_of, depth, strokes)
            return found[:MAX_SPLITS]
        if ch in self.forms:
            return [[(key_of(0), self.forms[ch])]]
        if is_cell(ch):
            return [[(key_of(0), ch)]]
        entry = self.dictionary.get(ch)
        if entry is None or entry[0] == ch:
            return []
        return self._expand_tree(entry, key_of, depth)

    def _expand_parts(self, parts, key_of, depth, strokes):
        counts = [self._stroke_count(part) for part in parts]
        per_part = []
        if None not in counts and sum(counts) == strokes:
            start = 0
            for part, count in zip(parts, counts):
                per_part.append(self._expand(
                    part, lambda j, start=start: key_of(start + j), depth + 1))
                start += count
        else:
            # The parts follow each other in the order written.
            first = key_of(0)
            for index, part in enumerate(parts):
                per_part.append(self._expand(
                    part, lambda j, index=index: first + (index, j), depth + 1))
        return self._combine(per_part)

    def _expand_tree(self, entry, key_of, depth):
        ids, matches = entry
        leaves = parse_ids(ids)
        if any(ch == UNKNOWN for _path, ch in leaves):
            return []
        strokes = []
        for path, _ch in leaves:
            strokes.append([i for i, m in enumerate(matches)
                            if m is not None and tuple(m[:len(path)]) == path])
        ordered = all(strokes)
        per_leaf = []
        for index, (path, ch) in enumerate(leaves):
            own = strokes[index]
            if not ordered:
                sub_key = (lambda j, index=index: key_of(0) + (index, j))
            elif self._stroke_count(ch) == len(own):
                sub_key = (lambda j, own=own: key_of(own[j]))
            else:
                sub_key = (lambda j, own=own: key_of(own[0]) + (j,))
            per_leaf.append(self._expand(ch, sub_key, depth + 1))
        return self._combine(per_leaf)

    def _stroke_count(self, token):
        if is_cell(token):
            return self.cell_strokes.get(token)
        entry = self.dictionary.get(token)
        if entry:
            return len(entry[1])
        if token in self.forms:
            return self.cell_strokes.get(self.forms[token])
        if token in self.rules:
            counts = [self._stroke_count(part) for part in self.rules[token][0]]
            return None if None in counts else sum(counts)
        return None

    @staticmethod
    def _combine(per_part):
        if not all(per_part):
            return []
        found = []
        for choice in itertools.product(*per_part):
            found.append(sorted(itertools.chain.from_iterable(choice),
                                key=lambda item: item[0]))
            if len(found) == MAX_SPLITS:
                break
        return found


def entry_for(cells, code):
    """The table code string of a split that gives code, else None.

    Radicals 1, 2, 3 and the last make the code; with fewer than four
    radicals the code's remaining letter is the identification key.
    """
    if len(cells) >= 4:
        picked = cells[:3] + cells[-1:]
        ok = "".join(c[0] for c in picked) == code
        return "".join(picked) if ok else None
    if len(cells) in (2, 3) and len(code) == len(cells) + 1 and \
            "".join(c[0] for c in cells) == code[:-1]:
        return "".join(cells) + code[-1]
    return None


def radical_character_entry(cell, code):
    """Entry of a character that is a radical itself: its cell followed by
    its strokes (石 dgtg = 石 一 丿 一), or the key-name character's cell
    four times (工 aaaa)."""
    if code == cell[0] * 4:
        return cell * 4
    if code[0] != cell[0] or not all(k in STROKE_CELLS for k in code[1:]):
        return None
    return cell + "".join(STROKE_CELLS[k] for k in code[1:])
