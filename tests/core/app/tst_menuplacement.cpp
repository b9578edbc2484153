// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MenuPlacement.h"
#include "core/platform/Twips.h"

#include <QTest>

class tst_MenuPlacement : public QObject
{
    Q_OBJECT

private slots:
    void panelPosition_data();
    void panelPosition();
    void entryGeometries_data();
    void entryGeometries();
    void twipsToPixels_data();
    void twipsToPixels();
};

void tst_MenuPlacement::panelPosition_data()
{
    QTest::addColumn<int>("titleLeft");
    QTest::addColumn<int>("panelWidth");
    QTest::addColumn<QPoint>("position");

    // The window's inner right edge is at 8910 twips.
    QTest::newRow("first title at the edge") << 0 << 2280 << QPoint(70, 765);
    QTest::newRow("third title") << 2400 << 2280 << QPoint(2470, 765);
    QTest::newRow("just fits") << 6560 << 2280 << QPoint(6630, 765);
    QTest::newRow("last title moves left to fit") << 7500 << 2280 << QPoint(6630, 765);
    QTest::newRow("wider than the window stays at the left edge") << 7500 << 9000 << QPoint(0, 765);
}

void tst_MenuPlacement::panelPosition()
{
    QFETCH(int, titleLeft);
    QFETCH(int, panelWidth);
    QFETCH(QPoint, position);
    QCOMPARE(MenuPlacement::panelPosition(titleLeft, panelWidth, 8910), position);
}

void tst_MenuPlacement::entryGeometries_data()
{
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("innerWidth");
    QTest::addColumn<QList<QRect>>("geometries");

    QTest::newRow("no entries") << QList<int>{} << 2000 << QList<QRect>{};
    QTest::newRow("one entry starts at the top")
        << QList<int>{360} << 2000 << QList<QRect>{QRect(30, 0, 1940, 360)};
    QTest::newRow("entries stack and keep their heights")
        << QList<int>{360, 300, 360} << 2400
        << QList<QRect>{QRect(30, 0, 2340, 360), QRect(30, 360, 2340, 300), QRect(30, 660, 2340, 360)};
}

void tst_MenuPlacement::entryGeometries()
{
    QFETCH(QList<int>, heights);
    QFETCH(int, innerWidth);
    QFETCH(QList<QRect>, geometries);
    QCOMPARE(MenuPlacement::entryGeometries(heights, innerWidth), geometries);
}

void tst_MenuPlacement::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("window width") << 8970 << 598;
    QTest::newRow("window height") << 7660 << 511;
    QTest::newRow("panel top") << 765 << 51;
    QTest::newRow("panel offset rounds up") << 70 << 5;
    QTest::newRow("entry left rounds to 2") << 30 << 2;
    QTest::newRow("below half rounds down") << 7 << 0;
    QTest::newRow("negative") << -70 << -5;
}

void tst_MenuPlacement::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

QTEST_GUILESS_MAIN(tst_MenuPlacement)
#include "tst_menuplacement.moc"
