// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/WubiKeyMarks.h"

#include <QTest>

#include <array>
#include <optional>

namespace {

using Place = std::optional<QPoint>; // a visible dot's circle, or hidden

// Steps of a sequence: a code for load_wbm, "<conceal>" for conceal_wbm,
// "zmwz:<letter>:<index>" for one dot.
const QString concealStep = QStringLiteral("<conceal>");

void run(WubiKeyMarks &marks, const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step == concealStep) {
            marks.conceal_wbm();
        } else if (step.startsWith(QStringLiteral("zmwz:"))) {
            const QStringList parts = step.split(QLatin1Char(':'));
            marks.zmwz(parts.at(1), parts.at(2).toInt());
        } else {
            marks.load_wbm(step);
        }
    }
}

} // namespace

class tst_WubiKeyMarks : public QObject
{
    Q_OBJECT

private slots:
    void dots_data();
    void dots();
    void labelsFollowTheirCircles();
    void hiddenDotsStandBelowTheKeys();
    void zmwzCountsUntilTheNextCode();
};

void tst_WubiKeyMarks::dots_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Place>("dot1");
    QTest::addColumn<Place>("dot2");
    QTest::addColumn<Place>("dot3");
    QTest::addColumn<Place>("dot4");
    QTest::addColumn<QString>("description");

    const Place hidden;
    const Place a(QPoint(900, 1480));
    const Place aUp(QPoint(900, 910));
    const Place aUpLeft(QPoint(330, 910));
    const Place aLeft(QPoint(330, 1480));
    const Place k(QPoint(6570, 1480));
    const Place h(QPoint(4950, 1480));
    const Place l(QPoint(7380, 1480));
    const Place g(QPoint(4140, 1480));
    const Place q(QPoint(750, 660));
    const Place p(QPoint(8040, 660));
    const Place x(QPoint(1860, 2300));
    const Place m(QPoint(5910, 2300));
    const QString none = QStringLiteral("未标出字根键");

    QTest::newRow("nothing shown at first") << QStringList{} << hidden << hidden << hidden << hidden << none;
    QTest::newRow("aaaa: one key, four corners")
        << QStringList{"aaaa"} << a << aUp << aUpLeft << aLeft << "1 A 2 A 3 A 4 A";
    QTest::newRow("khlg: four keys, no offsets") << QStringList{"khlg"} << k << h << l << g << "1 K 2 H 3 L 4 G";
    QTest::newRow("corner keys of the rows")
        << QStringList{"qpxm"} << q << p << x << m << "1 Q 2 P 3 X 4 M";
    QTest::newRow("repeat apart: aka")
        << QStringList{"aka"} << a << k << aUp << hidden << "1 A 2 K 3 A";
    QTest::newRow("two letters leave 3 and 4 hidden")
        << QStringList{"kh"} << k << h << hidden << hidden << "1 K 2 H";
    QTest::newRow("six letters show the first four")
        << QStringList{"khlgaa"} << k << h << l << g << "1 K 2 H 3 L 4 G";
    QTest::newRow("z stays hidden, the others are placed")
        << QStringList{"kzlg"} << k << hidden << l << g << "1 K 3 L 4 G";
    QTest::newRow("digits and punctuation have no key")
        << QStringList{"1;,g"} << hidden << hidden << hidden << g << "4 G";
    QTest::newRow("upper-case code") << QStringList{"KHLG"} << k << h << l << g << "1 K 2 H 3 L 4 G";
    QTest::newRow("mixed case counts as one letter")
        << QStringList{"aAaA"} << a << aUp << aUpLeft << aLeft << "1 A 2 A 3 A 4 A";
    QTest::newRow("empty code hides everything") << QStringList{"khlg", ""} << hidden << hidden << hidden
                                                 << hidden << none;
    QTest::newRow("conceal hides all") << QStringList{"khlg", concealStep} << hidden << hidden << hidden
                                       << hidden << none;
    QTest::newRow("a new code hides the old dots") << QStringList{"khlg", "a"} << a << hidden << hidden
                                                   << hidden << "1 A";
    // The placed letters are emptied when a code is done: the second aa is
    // placed from the anchor again, not further round the key.
    QTest::newRow("a second code starts afresh")
        << QStringList{"aa", "aa"} << a << aUp << hidden << hidden << "1 A 2 A";
    QTest::newRow("after conceal a code is shown again")
        << QStringList{"khlg", concealStep, "aa"} << a << aUp << hidden << hidden << "1 A 2 A";
    // A letter without a key leaves its dot where it was, shown or not.
    QTest::newRow("z over a shown dot keeps it")
        << QStringList{"khlg", "zmwz:z:2"} << k << h << l << g << "1 K 2 H 3 L 4 G";
    QTest::newRow("zmwz moves one dot") << QStringList{"khlg", "zmwz:Q:2"} << k << q << l << g
                                        << "1 K 2 Q 3 L 4 G";
    QTest::newRow("zmwz index out of range changes nothing")
        << QStringList{"kh", "zmwz:g:0", "zmwz:g:5"} << k << h << hidden << hidden << "1 K 2 H";
}

void tst_WubiKeyMarks::dots()
{
    QFETCH(QStringList, steps);
    QFETCH(Place, dot1);
    QFETCH(Place, dot2);
    QFETCH(Place, dot3);
    QFETCH(Place, dot4);
    QFETCH(QString, description);

    WubiKeyMarks marks;
    run(marks, steps);

    const std::array<Place, 4> expected = {dot1, dot2, dot3, dot4};
    for (int i = 1; i <= 4; ++i) {
        const WubiKeyMarks::Dot &dot = marks.dot(i);
        const Place &place = expected[i - 1];
        QVERIFY2(dot.visible == place.has_value(), qPrintable(QStringLiteral("dot %1").arg(i)));
        if (place)
            QCOMPARE(dot.circle, *place);
        else
            QCOMPARE(dot.circle.y(), WubiKeyMarks::HiddenTop);
    }
    QCOMPARE(marks.description(), description);
}

// Wherever a circle goes, placed or left behind by a letter without a key,
// its label follows 80 twips right and 30 down.
void tst_WubiKeyMarks::labelsFollowTheirCircles()
{
    WubiKeyMarks marks;
    marks.load_wbm(u"aaz");
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(marks.dot(i).label, marks.dot(i).circle + QPoint(80, 30));
    QCOMPARE(marks.dot(3).circle.y(), 2790);
    QCOMPARE(marks.dot(3).label.y(), 2820);
}

// Hiding moves circles and labels to the same top, whatever they showed.
void tst_WubiKeyMarks::hiddenDotsStandBelowTheKeys()
{
    WubiKeyMarks marks;
    marks.load_wbm(u"aaaa");
    marks.conceal_wbm();
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(marks.dot(i).circle.y(), 2790);
        QCOMPARE(marks.dot(i).label.y(), 2790);
        QVERIFY(!marks.dot(i).visible);
    }
    // Left edges stay where the dots were.
    QCOMPARE(marks.dot(3).circle.x(), 330);
}

// Only the end of load_wbm empties the placed letters: dots placed one by
// one keep counting, five and more times fall back to the anchor, a code
// shown next still counts them, and the dot placed after that code does not.
void tst_WubiKeyMarks::zmwzCountsUntilTheNextCode()
{
    WubiKeyMarks marks;
    const QList<QPoint> places = {{6570, 1480}, {6570, 910}, {6000, 910}, {6000, 1480}, {6570, 1480}};
    for (const QPoint &place : places) {
        marks.zmwz(u"k", 1);
        QCOMPARE(marks.dot(1).circle, place);
    }

    WubiKeyMarks once;
    once.zmwz(u"k", 4);
    once.load_wbm(u"k");
    QCOMPARE(once.dot(1).circle, QPoint(6570, 910));
    once.zmwz(u"K", 2);
    QCOMPARE(once.dot(2).circle, QPoint(6570, 1480));
}

QTEST_GUILESS_MAIN(tst_WubiKeyMarks)
#include "tst_wubikeymarks.moc"
