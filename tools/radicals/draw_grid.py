#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Draws the radical picture grid: 25 rows (keys a..y) of 10 cells.

Radicals that are characters of their own come from Noto Sans CJK SC;
radicals that are parts of characters are filled from the stroke outlines
of hanzi-writer-data. Every glyph is cropped to its ink, scaled to fit the
cell (small marks such as 丶 are not blown up beyond a limit) and centred;
black on white, 8-bit grey.

Writes radical-grid.png (180 x 450, 18-pixel cells) and radical-grid@4x.png
(720 x 1800) into src/resources/wubi/.

Usage: draw_grid.py [--font FILE] [--strokes DIR] [--out DIR]
"""
import argparse
import json
import pathlib
import re
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

from grid import CELLS, cell_index

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]
WORK = HERE / ".work"
FONT = WORK / "noto/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
FONT_INDEX_SC = 2            # faces of the collection: JP, KR, SC, TC, HK, ...
STROKES = WORK / "hwd/package"
ROWS, COLUMNS = 25, 10
MASTER = 576                 # master cell size in pixels, downsampled per picture
EM_SIZE = 480                # font size of the master glyphs
OUTLINE_EM = 1024            # hanzi-writer-data coordinates
FILL = 0.84                  # share of the cell a glyph may cover
ENLARGE = 1.45               # how far a small glyph may grow beyond its em size
PART_ENLARGE = 2.0           # the same for parts of characters, small by nature
EMBOLDEN = 11                # widening of the thinner outline strokes, master pixels
BEZIER_STEPS = 12


def font_glyph(font, ch):
    """Master-size mask of ch drawn from the font, and its em size."""
    image = Image.new("L", (MASTER * 2, MASTER * 2), 0)
    ImageDraw.Draw(image).text((MASTER // 2, MASTER // 4), ch, font=font, fill=255)
    return image, EM_SIZE


def parse_path(path):
    """Polygons of an SVG outline made of M, L, Q, C and Z commands."""
    tokens = re.findall(r"[MLQCZ]|-?\d+(?:\.\d+)?", path)
    polygons, current, pos, i = [], [], (0.0, 0.0), 0

    def numbers(count):
        nonlocal i
        values = [float(t) for t in tokens[i:i + count]]
        i += count
        return [(values[k], values[k + 1]) for k in range(0, count, 2)]

    while i < len(tokens):
        command = tokens[i]
        i += 1
        if command == "M":
            if current:
                polygons.append(current)
            pos, = numbers(2)
            current = [pos]
        elif command == "L":
            pos, = numbers(2)
            current.append(pos)
        elif command in "QC":
            controls = numbers(4 if command == "Q" else 6)
            points = [pos] + controls
            for step in range(1, BEZIER_STEPS + 1):
                current.append(bezier(points, step / BEZIER_STEPS))
            pos = controls[-1]
        elif command == "Z":
            if current:
                polygons.append(current)
            current = []
        else:
            raise ValueError(f"unknown path command {command!r}")
    if current:
        polygons.append(current)
    return polygons


def bezier(points, t):
    while len(points) > 1:
        points = [((1 - t) * a[0] + t * b[0], (1 - t) * a[1] + t * b[1])
                  for a, b in zip(points, points[1:])]
    return points[0]


def outline_glyph(strokes_dir, ch, indices):
    """Master-size mask of strokes `indices` of ch from the stroke outlines."""
    data = json.loads((strokes_dir / f"{ch}.json").read_text(encoding="utf-8"))
    scale = EM_SIZE / OUTLINE_EM
    image = Image.new("L", (MASTER * 2, MASTER * 2), 0)
    draw = ImageDraw.Draw(image)
    for index in indices:
        for polygon in parse_path(data["strokes"][index]):
            # The outlines have y pointing up.
            draw.polygon([(x * scale + MASTER // 2, (OUTLINE_EM - y) * scale)
                          for x, y in polygon], fill=255)
    return image, EM_SIZE


def fit_into_cell(mask, em, enlarge):
    """The glyph cropped to its ink, scaled and centred in a master cell."""
    box = mask.getbbox()
    if box is None:
        raise ValueError("glyph without ink")
    ink = mask.crop(box)
    width, height = ink.size
    scale = min(MASTER * FILL / max(width, height), MASTER * FILL / em * enlarge)
    size = (max(1, round(width * scale)), max(1, round(height * scale)))
    ink = ink.resize(size, Image.LANCZOS)
    cell = Image.new("L", (MASTER, MASTER), 0)
    cell.paste(ink, ((MASTER - size[0]) // 2, (MASTER - size[1]) // 2))
    return cell


def master_cells(font_path, strokes_dir, cells=CELLS):
    """Master-size masks of the cells, by cell name."""
    font = None
    masters = {}
    for cell, glyph, _forms, _desc in cells:
        if glyph[0] == "font":
            font = font or ImageFont.truetype(str(font_path), EM_SIZE, index=FONT_INDEX_SC)
            mask, em = font_glyph(font, glyph[1])
            masters[cell] = fit_into_cell(mask, em, ENLARGE)
        else:
            mask, em = outline_glyph(strokes_dir, glyph[1], glyph[2])
            # The outlines come from a brush style with thinner strokes than
            # the bold font; widen them so the cells look alike.
            masters[cell] = fit_into_cell(mask, em, PART_ENLARGE).filter(
                ImageFilter.MaxFilter(EMBOLDEN))
    return masters


def grid_picture(cells, cell_size):
    """The grid with cells of cell_size pixels, black ink on white."""
    ink = Image.new("L", (COLUMNS * cell_size, ROWS * cell_size), 0)
    for cell, mask in cells.items():
        index = cell_index(cell)
        small = mask.resize((cell_size, cell_size), Image.BOX)
        ink.paste(small, ((index % COLUMNS) * cell_size, (index // COLUMNS) * cell_size))
    return Image.eval(ink, lambda v: 255 - v)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--font", type=pathlib.Path, default=FONT)
    parser.add_argument("--strokes", type=pathlib.Path, default=STROKES)
    parser.add_argument("--out", type=pathlib.Path, default=ROOT / "src/resources/wubi")
    args = parser.parse_args(argv)
    cells = master_cells(args.font, args.strokes)
    args.out.mkdir(parents=True, exist_ok=True)
    for name, size in (("radical-grid.png", 18), ("radical-grid@4x.png", 72)):
        # No time stamps or text chunks, so a rerun gives the same bytes.
        grid_picture(cells, size).save(args.out / name, optimize=True)
    print(f"{len(cells)} radicals drawn into {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
