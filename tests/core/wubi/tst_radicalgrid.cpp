// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalGrid.h"

#include <QTest>

#include <algorithm>

namespace {

// The largest difference of any channel between two pictures of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            largest = std::max({largest, qAbs(qAlpha(p) - qAlpha(q)), qAbs(qRed(p) - qRed(q)),
                            qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

int inkedPixels(const QImage &picture)
{
    int count = 0;
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column)
            count += qAlpha(picture.pixel(column, row)) > 128 ? 1 : 0;
    }
    return count;
}

// Device pixels, whatever the picture's ratio.
QImage scaledTo(QImage picture, int side)
{
    picture.setDevicePixelRatio(1);
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

class tst_RadicalGrid : public QObject
{
    Q_OBJECT

private slots:
    void cellOf_data();
    void cellOf();
    void blankAndFilledCells_data();
    void blankAndFilledCells();
    void inkColour();
    void hiDpiCellsComeFromTheLargeGrid_data();
    void hiDpiCellsComeFromTheLargeGrid();
};

void tst_RadicalGrid::cellOf_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<int>("cell");

    QTest::newRow("a0 first cell") << "a0" << 0;
    QTest::newRow("a5") << "a5" << 5;
    QTest::newRow("d8 row d") << "d8" << 38;
    QTest::newRow("y9 last cell") << "y9" << 249;
    QTest::newRow("z1 no row z") << "z1" << -1;
    QTest::newRow("A0 upper case") << "A0" << -1;
    QTest::newRow("a bare letter") << "a" << -1;
    QTest::newRow("k identification key") << "k" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("two letters") << "ab" << -1;
    QTest::newRow("digit first") << "0a" << -1;
    QTest::newRow("three characters") << "a0b" << -1;
}

void tst_RadicalGrid::cellOf()
{
    QFETCH(QString, pair);
    QFETCH(int, cell);

    QCOMPARE(RadicalGrid::cellOf(pair), cell);
}

void tst_RadicalGrid::blankAndFilledCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("blank");

    QTest::newRow("a0 工") << 0 << false;
    QTest::newRow("a9 blank end of row a") << 9 << true;
    QTest::newRow("d4 part of 羊") << 34 << false;
    QTest::newRow("k3 blank") << 103 << true;
    QTest::newRow("y9 广") << 249 << false;
    QTest::newRow("before the grid") << -1 << true;
    QTest::newRow("after the grid") << 250 << true;
}

void tst_RadicalGrid::blankAndFilledCells()
{
    QFETCH(int, cell);
    QFETCH(bool, blank);

    const RadicalGrid &grid = RadicalGrid::builtIn();
    QCOMPARE(grid.isBlank(cell), blank);
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage picture = grid.cell(cell, ratio);
        QCOMPARE(picture.size(), QSize(18, 18) * ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        if (blank)
            QCOMPARE(inkedPixels(picture), 0);
        else
            QVERIFY(inkedPixels(picture) > 10 * ratio * ratio);
    }
}

void tst_RadicalGrid::inkColour()
{
    const QImage picture = RadicalGrid::builtIn().cell(0, 1.0, Qt::red);
    bool inked = false;
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column) {
            const QRgb pixel = picture.pixel(column, row);
            if (qAlpha(pixel) == 255) {
                QCOMPARE(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), qRgb(255, 0, 0));
                inked = true;
            }
        }
    }
    QVERIFY(inked);
}

void tst_RadicalGrid::hiDpiCellsComeFromTheLargeGrid_data()
{
    QTest::addColumn<int>("cell");

    QTest::newRow("a0 工") << 0;
    QTest::newRow("a2 艹") << 2;
    QTest::newRow("e2 舟 without its first stroke") << 42;
    QTest::newRow("y9 广") << 249;
}

void tst_RadicalGrid::hiDpiCellsComeFromTheLargeGrid()
{
    QFETCH(int, cell);

    const RadicalGrid &grid = RadicalGrid::builtIn();
    const QImage twice = grid.cell(cell, 2.0);
    QCOMPARE(twice.width(), 36);
    QCOMPARE(twice.height(), 36);

    // The 4x cell halved is the 2x cell, up to the rounding of scaling ...
    QVERIFY(largestDifference(scaledTo(twice, 36), scaledTo(grid.cell(cell, 4.0), 36)) <= 4);
    // ... and the 1x cell doubled is not: its edges are blurred.
    QVERIFY(largestDifference(scaledTo(twice, 36), scaledTo(grid.cell(cell, 1.0), 36)) > 64);
    // A grid read for one picture gives the same cells.
    QCOMPARE(RadicalGrid::cellFrom(RadicalGrid::readLargeGrid(), cell, 2.0), twice);
}

QTEST_GUILESS_MAIN(tst_RadicalGrid)
#include "tst_radicalgrid.moc"
