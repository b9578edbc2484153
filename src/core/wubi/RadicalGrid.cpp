// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalGrid.h"

#include "core/wubi/WubiResources.h"

#include <QStringView>

namespace {

// Ink is where the grid is darker than this; the anti-aliased rims of the
// glyphs are lighter, the white ground is 255.
constexpr int BlankThreshold = 250;

QImage greyGrid(const QString &resource)
{
    return QImage(resource).convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

const RadicalGrid &RadicalGrid::builtIn()
{
    static const RadicalGrid grid;
    return grid;
}

RadicalGrid::RadicalGrid() = default;

const QImage &RadicalGrid::grid() const
{
    std::call_once(m_gridRead, [this] { m_grid = greyGrid(WubiResources::path(u"radical-grid.png")); });
    return m_grid;
}

const QImage &RadicalGrid::grid4x() const
{
    std::call_once(m_grid4xRead, [this] { m_grid4x = readLargeGrid(); });
    return m_grid4x;
}

QImage RadicalGrid::readLargeGrid()
{
    return greyGrid(WubiResources::path(u"radical-grid@4x.png"));
}

int RadicalGrid::cellOf(QStringView pair)
{
    if (pair.size() != 2)
        return -1;
    const char16_t letter = pair.at(0).unicode();
    const char16_t digit = pair.at(1).unicode();
    if (letter < u'a' || letter > u'y' || digit < u'0' || digit > u'9')
        return -1;
    return (letter - u'a') * Columns + (digit - u'0');
}

QImage RadicalGrid::cell(int index, qreal devicePixelRatio, const QColor &ink) const
{
    if (index < 0 || index >= CellCount)
        return cut({}, 0, index, devicePixelRatio, ink);
    if (devicePixelRatio > 1.0)
        return cut(grid4x(), CellSize * 4, index, devicePixelRatio, ink);
    return cut(grid(), CellSize, index, devicePixelRatio, ink);
}

QImage RadicalGrid::cellFrom(const QImage &largeGrid, int index, qreal devicePixelRatio, const QColor &ink)
{
    return cut(largeGrid, CellSize * 4, index, devicePixelRatio, ink);
}

QImage RadicalGrid::cut(const QImage &grid, int cellSide, int index, qreal devicePixelRatio, const QColor &ink)
{
    const int side = qMax(1, qRound(CellSize * devicePixelRatio));
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    picture.setDevicePixelRatio(devicePixelRatio);
    if (index < 0 || index >= CellCount)
        return picture;

    QImage grey = grid.copy((index % Columns) * cellSide, (index / Columns) * cellSide, cellSide, cellSide);
    if (grey.width() != side)
        grey = grey.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // Grey to coverage: black ink is opaque, the white ground transparent.
    for (int y = 0; y < side; ++y) {
        const uchar *from = grey.constScanLine(y);
        auto *to = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const int alpha = 255 - from[x];
            to[x] = qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), alpha));
        }
    }
    return picture;
}

bool RadicalGrid::isBlank(int index) const
{
    if (index < 0 || index >= CellCount)
        return true;
    const int left = (index % Columns) * CellSize;
    const int top = (index / Columns) * CellSize;
    for (int y = top; y < top + CellSize; ++y) {
        const uchar *line = grid().constScanLine(y);
        for (int x = left; x < left + CellSize; ++x) {
            if (line[x] < BlankThreshold)
                return false;
        }
    }
    return true;
}
