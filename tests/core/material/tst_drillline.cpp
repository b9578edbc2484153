// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillLine.h"

#include <QTest>

class tst_DrillLine : public QObject
{
    Q_OBJECT

private slots:
    void SplitDrillLine_data();
    void SplitDrillLine();
};

void tst_DrillLine::SplitDrillLine_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("hint");

    QTest::newRow("word and meaning") << 1 << "apple#苹果" << true << "apple" << "苹果";
    QTest::newRow("cut at the first #") << 1 << "C#语言#编程" << true << "C" << "语言#编程";
    QTest::newRow("empty meaning") << 1 << "apple#" << true << "apple" << "";
    QTest::newRow("empty word") << 1 << "#苹果" << true << "" << "苹果";
    QTest::newRow("spaces kept") << 1 << " ice cream #冰淇淋" << true << " ice cream " << "冰淇淋";
    QTest::newRow("no #") << 1 << "apple" << false << "" << "";
    QTest::newRow("phrase and code") << 2 << "中国khlg" << true << "中国" << "khlg";
    QTest::newRow("spaces are part of the phrase") << 2 << "中 国 khlg" << true << "中 国 " << "khlg";
    QTest::newRow("code may hold any printable") << 2 << "工人a,ww" << true << "工人" << "a,ww";
    QTest::newRow("full-width letters are phrase") << 2 << "ＡＢ中ab" << true << "ＡＢ中" << "ab";
    QTest::newRow("no code") << 2 << "中国" << true << "中国" << "";
    QTest::newRow("only code") << 2 << "khlg" << true << "" << "khlg";
    QTest::newRow("tilde is the last printable") << 2 << "中~" << true << "中" << "~";
    QTest::newRow("DEL is not printable") << 2 << QStringLiteral("中\x7f") << true << QStringLiteral("中\x7f") << "";
}

void tst_DrillLine::SplitDrillLine()
{
    QFETCH(int, format);
    QFETCH(QString, line);
    QFETCH(bool, split);
    QFETCH(QString, target);
    QFETCH(QString, hint);

    const std::optional<DrillLine> result = ::SplitDrillLine(DrillLine::Format(format), line);
    QCOMPARE(result.has_value(), split);
    if (split)
        QCOMPARE(*result, (DrillLine { target, hint }));
}

QTEST_GUILESS_MAIN(tst_DrillLine)
#include "tst_drillline.moc"
