// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillDraw.h"

#include "ScriptedRandom.h"

#include <QTest>

class tst_DrillDraw : public QObject
{
    Q_OBJECT

private slots:
    void open_type1_data();
    void open_type1();
    void upperCaseNeverDrawsLowerCase();
    void everyPoolCharacterCanBeDrawn();
};

void tst_DrillDraw::open_type1_data()
{
    QTest::addColumn<QString>("drillMode");
    QTest::addColumn<int>("letterSet");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<double>("random");
    QTest::addColumn<QString>("target");

    QTest::newRow("lower first") << "en" << 0 << "" << 0.0 << "a";
    QTest::newRow("lower last") << "en" << 0 << "" << 0.999 << "z";
    QTest::newRow("upper first") << "en" << 1 << "" << 0.0 << "A";
    QTest::newRow("upper last") << "en" << 1 << "" << 0.999 << "Z";
    QTest::newRow("mixed first") << "en" << 2 << "" << 0.0 << "A";
    QTest::newRow("mixed bracket") << "en" << 2 << "" << 26.0 / 62 << "[";
    QTest::newRow("mixed backquote") << "en" << 2 << "" << 31.0 / 62 << "`";
    QTest::newRow("mixed small a") << "en" << 2 << "" << 32.0 / 62 << "a";
    QTest::newRow("mixed tilde") << "en" << 2 << "" << 0.9999 << "~";
    QTest::newRow("letter set out of range") << "en" << 3 << "" << 0.5 << "";
    QTest::newRow("digit first") << "nu" << 0 << "" << 0.0 << "0";
    QTest::newRow("digit last") << "nu" << 0 << "" << 0.999 << "9";
    QTest::newRow("pool of one") << "ch" << 0 << "中" << 0.999 << "中";
    QTest::newRow("pool first") << "ch" << 0 << "天地人" << 0.0 << "天";
    QTest::newRow("pool last character is drawn") << "ch" << 0 << "天地人" << 0.9 << "人";
    QTest::newRow("number pool") << "chnu" << 0 << "一二三" << 0.5 << "二";
    QTest::newRow("empty pool") << "ch" << 0 << "" << 0.5 << "";
    QTest::newRow("character outside the basic plane") << "ch" << 0 << "中𠀀" << 0.9 << "𠀀";
}

void tst_DrillDraw::open_type1()
{
    QFETCH(QString, drillMode);
    QFETCH(int, letterSet);
    QFETCH(QString, pool);
    QFETCH(double, random);
    QFETCH(QString, target);

    ScriptedRandom source({ random });
    QCOMPARE(::open_type1(drillModeNamed(drillMode).value(), letterSet, pool, source), target);
}

void tst_DrillDraw::upperCaseNeverDrawsLowerCase()
{
    ScriptedRandom source;
    for (int i = 0; i < 1000; ++i)
        source.append(i / 1000.0);
    for (int i = 0; i < 1000; ++i) {
        const QString letter = ::open_type1(DrillMode::Letters, LetterSet::Upper, {}, source);
        QVERIFY2(letter >= u"A" && letter <= u"Z", qPrintable(letter));
    }
}

void tst_DrillDraw::everyPoolCharacterCanBeDrawn()
{
    const QString pool = QStringLiteral("一二三四五");
    ScriptedRandom source;
    for (int i = 0; i < 100; ++i)
        source.append(i / 100.0);
    QSet<QString> drawn;
    for (int i = 0; i < 100; ++i)
        drawn.insert(::open_type1(DrillMode::NumberCharacters, 0, pool, source));
    QCOMPARE(drawn.size(), pool.size());
}

QTEST_GUILESS_MAIN(tst_DrillDraw)
#include "tst_drilldraw.moc"
