// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>
#include <QImage>
#include <QStringView>

#include <mutex>

// The radical picture grid built into the program: 25 rows (key letters a to
// y) of 10 cells of 18 x 18 pixels, black glyphs on white, drawn a second
// time at four times the size for HiDPI screens. A radical is named by its
// cell index, (letter - 'a') * 10 + digit.
class RadicalGrid
{
public:
    static constexpr int Rows = 25;
    static constexpr int Columns = 10;
    static constexpr int CellCount = Rows * Columns;
    static constexpr int CellSize = 18; // device-independent pixels

    // The grid read once from the program's resources and shared by every
    // control that shows radicals.
    static const RadicalGrid &builtIn();

    // The cell index of a code pair: a key letter "a" to "y" followed by a
    // digit; -1 for anything else (an empty pair, a bare identification key,
    // "z1", an upper-case letter).
    static int cellOf(QStringView pair);

    // The picture of a cell in ink on a transparent ground, CellSize pixels
    // square at devicePixelRatio: above a ratio of 1 it is cut from the 4x
    // grid and scaled down (never scaled up from the 1x grid). A blank cell
    // or an index out of range gives a fully transparent picture; isBlank
    // tells them apart.
    QImage cell(int index, qreal devicePixelRatio, const QColor &ink = Qt::black) const;
    bool isBlank(int index) const;

    // The 4x grid read afresh for a picture drawn once, such as the Wubi key
    // map: its 1.3 MB go when the caller drops it, where the one cell() cuts
    // from on HiDPI screens stays for the run.
    static QImage readLargeGrid();
    // A cell cut from grid (the 4x grid readLargeGrid gives) as cell() cuts
    // it at devicePixelRatio.
    static QImage cellFrom(const QImage &largeGrid, int index, qreal devicePixelRatio,
                           const QColor &ink = Qt::black);

private:
    RadicalGrid();

    static QImage cut(const QImage &grid, int cellSide, int index, qreal devicePixelRatio, const QColor &ink);

    // Read on first need: a run without Chinese pays for neither grid, a 1x
    // screen showing only the analysis strip never for the 1.3 MB 4x one.
    const QImage &grid() const;
    const QImage &grid4x() const;

    mutable std::once_flag m_gridRead;
    mutable QImage m_grid; // 1x, 8-bit grey
    mutable std::once_flag m_grid4xRead;
    mutable QImage m_grid4x; // 4x, 8-bit grey
};
