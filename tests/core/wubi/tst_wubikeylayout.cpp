// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalGrid.h"
#include "core/wubi/WubiKeyLayout.h"
#include "core/wubi/WubiKeyMarks.h"

#include <QTest>

namespace {

// How far a dot may stand outside its key's cell, in pixels. A key holds
// 570 + 255 = 825 twips (55 pixels) of dots across, while keys are only 810
// twips (54 pixels) apart: the right-hand dots overhang by one pixel, and the
// upper dots of the lower rows, whose anchors are not on whole pixels, by
// less than that.
constexpr qreal overhang = 1.0;

QRectF pixels(const QRect &twips)
{
    return QRectF(twips.x() / 15.0, twips.y() / 15.0, twips.width() / 15.0, twips.height() / 15.0);
}

} // namespace

class tst_WubiKeyLayout : public QObject
{
    Q_OBJECT

private slots:
    void anchors_data();
    void anchors();
    void everyDotLiesOnItsKey();
    void cellsDoNotOverlap();
    void rows_data();
    void rows();
    void zones_data();
    void zones();
    void radicalsAreTheFilledGridCells();
    void keyFor_data();
    void keyFor();
};

// The anchors row by row, as the key map was laid out.
void tst_WubiKeyLayout::anchors_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<int>>("lefts");

    QTest::newRow("top row") << "qwertyuiop" << 660
                             << QList<int>{750, 1560, 2370, 3180, 3990, 4800, 5610, 6420, 7230, 8040};
    QTest::newRow("home row") << "asdfghjkl" << 1480
                              << QList<int>{900, 1710, 2520, 3330, 4140, 4950, 5760, 6570, 7380};
    QTest::newRow("bottom row") << "xcvbnm" << 2300 << QList<int>{1860, 2670, 3480, 4290, 5100, 5910};
}

void tst_WubiKeyLayout::anchors()
{
    QFETCH(QString, letters);
    QFETCH(int, top);
    QFETCH(QList<int>, lefts);

    for (int i = 0; i < letters.size(); ++i) {
        const WubiKeyLayout::Key *key = WubiKeyLayout::keyFor(letters.mid(i, 1));
        QVERIFY2(key && key->anchor, qPrintable(letters.mid(i, 1)));
        QCOMPARE(*key->anchor, QPoint(lefts.at(i), top));
    }
}

// All four places a key's dots can take -- placed by the marks themselves,
// a letter four times over -- lie on that key's cell.
void tst_WubiKeyLayout::everyDotLiesOnItsKey()
{
    const QRectF picture(QPointF(0, 0), WubiKeyLayout::size());
    int anchored = 0;
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        if (!key.anchor)
            continue;
        ++anchored;
        WubiKeyMarks marks;
        marks.load_wbm(QString(4, key.character));
        const QRectF cell = QRectF(key.rect).adjusted(-overhang, -overhang, overhang, overhang);
        for (int i = 1; i <= 4; ++i) {
            const WubiKeyMarks::Dot &dot = marks.dot(i);
            QVERIFY(dot.visible);
            const QRectF circle = pixels(QRect(dot.circle, QSize(255, 255)));
            const QString where =
                QStringLiteral("%1, dot %2 at %3,%4").arg(key.label).arg(i).arg(circle.x()).arg(circle.y());
            QVERIFY2(cell.contains(circle), qPrintable(where));
            QVERIFY(picture.contains(circle));
        }
    }
    QCOMPARE(anchored, 25);
}

void tst_WubiKeyLayout::cellsDoNotOverlap()
{
    const QList<WubiKeyLayout::Key> &keys = WubiKeyLayout::keys();
    const QRect picture(QPoint(0, 0), WubiKeyLayout::size());
    QCOMPARE(picture.size(), QSize(583, 175));
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY2(picture.contains(keys[i].rect), qPrintable(keys[i].label));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY2(!keys[i].rect.intersects(keys[j].rect), qPrintable(keys[i].label + keys[j].label));
    }
}

// Each row's keys from the left, plain keys included, side by side.
void tst_WubiKeyLayout::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QString>("plain");

    QTest::newRow("top") << 0 << "QWERTYUIOP" << "";
    QTest::newRow("home") << 1 << "ASDFGHJKL;" << ";";
    QTest::newRow("bottom") << 2 << "ZXCVBNM,./" << "Z,./";
}

void tst_WubiKeyLayout::rows()
{
    QFETCH(int, row);
    QFETCH(QString, labels);
    QFETCH(QString, plain);

    QString rowLabels;
    QString rowPlain;
    const WubiKeyLayout::Key *previous = nullptr;
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        if (key.row != row)
            continue;
        rowLabels += key.label;
        if (!key.anchor) {
            rowPlain += key.label;
            QCOMPARE(key.zone, WubiKeyLayout::Zone::None);
            QCOMPARE(key.nameRadical, -1);
            QVERIFY(key.otherRadicals.isEmpty());
        }
        if (previous) {
            QCOMPARE(key.rect.left(), previous->rect.right() + 1);
            QCOMPARE(key.rect.top(), previous->rect.top());
        }
        previous = &key;
    }
    QCOMPARE(rowLabels, labels);
    QCOMPARE(rowPlain, plain);
}

void tst_WubiKeyLayout::zones_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<WubiKeyLayout::Zone>("zone");

    QTest::newRow("Q to T") << "qwert" << WubiKeyLayout::Zone::LeftFalling;
    QTest::newRow("Y to P") << "yuiop" << WubiKeyLayout::Zone::RightFalling;
    QTest::newRow("A to G") << "asdfg" << WubiKeyLayout::Zone::Horizontal;
    QTest::newRow("H to M") << "hjklm" << WubiKeyLayout::Zone::Vertical;
    QTest::newRow("X to N") << "xcvbn" << WubiKeyLayout::Zone::Turning;
    QTest::newRow("plain keys") << "z;,./" << WubiKeyLayout::Zone::None;
}

// Each zone has its own tint; the tints are light enough for black radicals.
void tst_WubiKeyLayout::zones()
{
    QFETCH(QString, letters);
    QFETCH(WubiKeyLayout::Zone, zone);

    for (const QChar letter : letters) {
        const WubiKeyLayout::Key *key = WubiKeyLayout::keyFor(QString(letter));
        QVERIFY(key);
        QVERIFY2(key->zone == zone, qPrintable(key->label));
    }

    const QColor tint = WubiKeyLayout::zoneColour(zone);
    QCOMPARE(tint.isValid(), zone != WubiKeyLayout::Zone::None);
    if (!tint.isValid())
        return;
    QVERIFY(tint.lightness() >= 190);
    for (const auto other : {WubiKeyLayout::Zone::LeftFalling, WubiKeyLayout::Zone::RightFalling,
                             WubiKeyLayout::Zone::Horizontal, WubiKeyLayout::Zone::Vertical,
                             WubiKeyLayout::Zone::Turning}) {
        if (other != zone)
            QVERIFY(WubiKeyLayout::zoneColour(other) != tint);
    }
}

// A letter key carries its row of the radical picture grid: the key-name
// radical in column 0, then every other filled cell of the row in column
// order -- 190 radicals in all.
void tst_WubiKeyLayout::radicalsAreTheFilledGridCells()
{
    const RadicalGrid &grid = RadicalGrid::builtIn();
    int shown = 0;
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        if (!key.anchor)
            continue;
        const int first = (key.character.unicode() - u'a') * 10;
        QCOMPARE(key.nameRadical, first);
        QVERIFY(!grid.isBlank(first));
        QList<int> filled;
        for (int cell = first + 1; cell < first + 10; ++cell) {
            if (!grid.isBlank(cell))
                filled.append(cell);
        }
        QCOMPARE(key.otherRadicals, filled);
        shown += 1 + int(key.otherRadicals.size());
    }
    QCOMPARE(shown, 190);
    QCOMPARE(WubiKeyLayout::keyFor(u"k")->otherRadicals, (QList<int>{101, 102}));
}

void tst_WubiKeyLayout::keyFor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label"); // empty: no key

    QTest::newRow("lower-case letter") << "q" << "Q";
    QTest::newRow("upper-case letter") << "M" << "M";
    QTest::newRow("plain z") << "z" << "Z";
    QTest::newRow("semicolon") << ";" << ";";
    QTest::newRow("slash") << "/" << "/";
    QTest::newRow("digit") << "1" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("two letters") << "ab" << "";
    QTest::newRow("full-width letter") << QStringLiteral("ａ") << "";
}

void tst_WubiKeyLayout::keyFor()
{
    QFETCH(QString, text);
    QFETCH(QString, label);

    const WubiKeyLayout::Key *key = WubiKeyLayout::keyFor(text);
    QCOMPARE(key ? key->label : QString(), label);
}

QTEST_GUILESS_MAIN(tst_WubiKeyLayout)
#include "tst_wubikeylayout.moc"
