// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalAnalysis.h"
#include "core/wubi/RadicalTable.h"

#include <QTest>

using Cells = RadicalAnalysis::Cells;
Q_DECLARE_METATYPE(Cells)

namespace {

// The message on screen before each analysis.
const QString Previous = QStringLiteral("前一个");

// Grid cells by code pair, worked out by hand: (letter - 'a') * 10 + digit.
constexpr int a0 = 0, a2 = 2, a3 = 3, a5 = 5, a7 = 7, a1 = 1;
constexpr int d8 = 38, f0 = 50, f4 = 54, g0 = 60, h2 = 72, h7 = 77;
constexpr int k0 = 100, l3 = 113, m0 = 120, m5 = 125, n0 = 130, n3 = 133, n5 = 135;
constexpr int n8 = 138, n9 = 139, r0 = 170, s0 = 180, t1 = 191, u0 = 200, u7 = 207;
constexpr int b6 = 16, w0 = 220, w1 = 221, x4 = 234, y2 = 242, y5 = 245;
constexpr int none = -1;

} // namespace

class tst_RadicalAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void builtInTable_data();
    void builtInTable();
    void codeLengthsTheTableDoesNotHave_data();
    void codeLengthsTheTableDoesNotHave();
};

void tst_RadicalAnalysis::builtInTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("spoken");

    // One character, by its second entry when it has one.
    QTest::newRow("工 first-level letter, not its full entry")
        << "工" << "该字为一级简码！" << true << Cells{none, none, none, none}
        << "该字为一级简码！";
    QTest::newRow("同 at the end of the table")
        << "同" << "该字为一级简码！" << true << Cells{none, none, none, none}
        << "该字为一级简码！";
    QTest::newRow("式 second level")
        << "式" << "该字为二级简码！" << true << Cells{a5, a0, none, none}
        << "该字为二级简码！ 字根：弋 工";
    QTest::newRow("以 third level, not its first-level tail entry")
        << "以" << "该字为三级简码！" << true << Cells{n5, y5, w0, none}
        << "该字为三级简码！ 字根：乙 丶 人";
    QTest::newRow("匿 four radicals")
        << "匿" << "匿" << true << Cells{a3, a2, d8, k0}
        << "匿：匚 艹 ナ 口";
    QTest::newRow("戒 two radicals and identification key")
        << "戒" << "戒" << true << Cells{a1, a7, none, none}
        << "戒：戈 廾";
    QTest::newRow("皑 three radicals and identification key")
        << "皑" << "皑" << true << Cells{r0, m0, n3, none}
        << "皑：白 山 己";
    QTest::newRow("锿 is not in the table")
        << "锿" << "未找到该字！" << true << Cells{none, none, none, none}
        << "未找到该字！";
    QTest::newRow("a character outside the BMP is one character")
        << "𠂉" << "未找到该字！" << true << Cells{none, none, none, none}
        << "未找到该字！";

    // Phrases, each character by its full entry.
    QTest::newRow("two: first two radicals of each")
        << "中国" << "二字词组！" << true << Cells{k0, h2, l3, g0}
        << "二字词组！ 字根：口 丨 囗 王";
    QTest::newRow("two: 地 by its full entry, not its first-level letter")
        << "地球" << "二字词组！" << true << Cells{f0, b6, g0, f4}
        << "二字词组！ 字根：土 也 王 十";
    QTest::newRow("three: one, one, two")
        << "计算机" << "三字词组！" << true << Cells{y2, t1, s0, m5}
        << "三字词组！ 字根：讠 竹 木 几";
    QTest::newRow("four: the first of each")
        << "中华人民" << "四字词组！" << true << Cells{k0, w1, w0, n0}
        << "四字词组！ 字根：口 亻 人 已";
    QTest::newRow("five: characters 1, 2, 3 and the last, not the fourth")
        << "现代化建设" << "多字词组！" << true << Cells{g0, w1, w1, y2}
        << "多字词组！ 字根：王 亻 亻 讠";
    QTest::newRow("seven: characters 1, 2, 3 and the last")
        << "中华人民共和国" << "多字词组！" << true << Cells{k0, w1, w0, l3}
        << "多字词组！ 字根：口 亻 人 囗";

    // A character without radicals leaves its own pictures empty; the others
    // keep their places.
    QTest::newRow("two: 一 first")
        << "一样" << "二字词组！" << true << Cells{none, none, s0, u7}
        << "二字词组！ 字根：木 丷";
    QTest::newRow("two: 一 last")
        << "第一" << "二字词组！" << true << Cells{t1, x4, none, none}
        << "二字词组！ 字根：竹 弓";
    QTest::newRow("four: 一 twice")
        << "一心一意" << "四字词组！" << true << Cells{none, n8, none, u0}
        << "四字词组！ 字根：心 立";
    QTest::newRow("two: a character not in the table")
        << "哀悼" << "二字词组！" << true << Cells{none, none, n9, h7}
        << "二字词组！ 字根：忄 ⺊";

    QTest::newRow("empty text keeps the message")
        << "" << Previous << false << Cells{none, none, none, none} << Previous;
}

void tst_RadicalAnalysis::builtInTable()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, changed);
    QFETCH(Cells, cells);
    QFETCH(QString, spoken);

    const RadicalAnalysis analysis = RadicalAnalysis::analyse(RadicalTable::builtIn(), text, Previous);
    QCOMPARE(analysis.message(), message);
    QCOMPARE(analysis.messageChanged(), changed);
    QCOMPARE(analysis.cells(), cells);
    QCOMPARE(analysis.spokenText(), spoken);
}

void tst_RadicalAnalysis::codeLengthsTheTableDoesNotHave_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("two characters")
        << "甲" << Previous << false << Cells{none, none, none, none} << Previous;
    QTest::newRow("three characters")
        << "乙" << Previous << false << Cells{none, none, none, none} << Previous;
    QTest::newRow("ten characters")
        << "丙" << Previous << false << Cells{none, none, none, none} << Previous;
    QTest::newRow("four characters that are no pairs")
        << "丁" << "该字为二级简码！" << true << Cells{none, none, none, none} << "该字为二级简码！";
    QTest::newRow("a phrase takes the pairs there are")
        << "丁甲" << "二字词组！" << true << Cells{none, none, a0, none} << "二字词组！ 字根：工";
}

void tst_RadicalAnalysis::codeLengthsTheTableDoesNotHave()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, changed);
    QFETCH(Cells, cells);
    QFETCH(QString, spoken);

    const RadicalTable table(QStringLiteral("甲a0k乙a0a丙a0a1a2a3a4丁abcd"));
    const RadicalAnalysis analysis = RadicalAnalysis::analyse(table, text, Previous);
    QCOMPARE(analysis.message(), message);
    QCOMPARE(analysis.messageChanged(), changed);
    QCOMPARE(analysis.cells(), cells);
    QCOMPARE(analysis.spokenText(), spoken);
}

QTEST_GUILESS_MAIN(tst_RadicalAnalysis)
#include "tst_radicalanalysis.moc"
