// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ChartLayout.h"
#include "core/results/ResultChart.h"
#include "core/results/ResultFile.h"

#include "TestFolder.h"

#include <QFile>
#include <QTest>

class tst_ResultChart : public QObject
{
    Q_OBJECT

private slots:
    void show_data();
    void show();
    void scroll_data();
    void scroll();
    void languageButtons();
    void drawsFromTheFile_data();
    void drawsFromTheFile();
};

void tst_ResultChart::show_data()
{
    QTest::addColumn<qint64>("records");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<int>("shown");

    QTest::newRow("no records: seven empty slots") << qint64(0) << qint64(0) << qint64(1) << 0;
    QTest::newRow("one record") << qint64(1) << qint64(0) << qint64(1) << 1;
    QTest::newRow("exactly seven: no range") << qint64(7) << qint64(0) << qint64(1) << 7;
    QTest::newRow("eight") << qint64(8) << qint64(1) << qint64(2) << 7;
    QTest::newRow("twenty: records 14 to 20") << qint64(20) << qint64(13) << qint64(14) << 7;
    QTest::newRow("past the 16-bit count") << qint64(40000) << qint64(39993) << qint64(39994) << 7;
}

void tst_ResultChart::show()
{
    QFETCH(qint64, records);
    QFETCH(qint64, maximum);
    QFETCH(qint64, first);
    QFETCH(int, shown);

    ResultChart chart;
    chart.setScrollPosition(5); // left over from an earlier chart
    chart.show(Language::English, records);
    QCOMPARE(chart.recordCount(), records);
    QCOMPARE(chart.scrollMaximum(), maximum);
    QCOMPARE(chart.scrollPosition(), maximum);
    QCOMPARE(chart.firstShown(), first);
    QCOMPARE(chart.shownCount(), shown);
}

void tst_ResultChart::scroll_data()
{
    QTest::addColumn<qint64>("records");
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("kept");
    QTest::addColumn<qint64>("first");

    QTest::newRow("twenty, to the start: records 1 to 7") << qint64(20) << qint64(0) << qint64(0) << qint64(1);
    QTest::newRow("twenty, one step back") << qint64(20) << qint64(12) << qint64(12) << qint64(13);
    QTest::newRow("before the start") << qint64(20) << qint64(-1) << qint64(0) << qint64(1);
    QTest::newRow("past the end") << qint64(20) << qint64(14) << qint64(13) << qint64(14);
    QTest::newRow("five records cannot scroll") << qint64(5) << qint64(2) << qint64(0) << qint64(1);
}

void tst_ResultChart::scroll()
{
    QFETCH(qint64, records);
    QFETCH(qint64, position);
    QFETCH(qint64, kept);
    QFETCH(qint64, first);

    ResultChart chart;
    chart.show(Language::Chinese, records);
    chart.setScrollPosition(position);
    QCOMPARE(chart.scrollPosition(), kept);
    QCOMPARE(chart.firstShown(), first);
    QCOMPARE(chart.shownCount(), std::min<qint64>(records, 7));
}

void tst_ResultChart::languageButtons()
{
    ResultChart chart;
    QVERIFY(!chart.language());
    QVERIFY(chart.isButtonEnabled(Language::English));
    QVERIFY(!chart.isButtonEnabled(Language::Chinese));

    chart.show(Language::English, 3);
    QCOMPARE(chart.language(), Language::English);
    QVERIFY(!chart.isButtonEnabled(Language::English));
    QVERIFY(chart.isButtonEnabled(Language::Chinese));

    chart.show(Language::Chinese, 3);
    QCOMPARE(chart.language(), Language::Chinese);
    QVERIFY(chart.isButtonEnabled(Language::English));
    QVERIFY(!chart.isButtonEnabled(Language::Chinese));
}

// The chart, the file and the layout together, as the analysis view uses
// them: the speeds of the seven slots, 0 standing for "无记录".
void tst_ResultChart::drawsFromTheFile_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<qint64>("position"); // -1: as drawn afresh
    QTest::addColumn<QString>("firstDate");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("twenty, afresh") << "cgrade-20.dat" << qint64(-1) << "25-06-14 星期六"
                                    << QStringList {"250", "0", "60", "70", "80", "90", "48"};
    QTest::newRow("twenty, scrolled to 0") << "cgrade-20.dat" << qint64(0) << "25-06-01 星期日"
        << QStringList {"5", "20", "26", "48", "51", "100", "101"};
    QTest::newRow("three, four slots cleared") << "windows-egrade.dat" << qint64(-1) << "25-06-03 星期二"
        << QStringList {"44", "30", "999", "", "", "", ""};
    QTest::newRow("no file") << "" << qint64(-1) << "无记录" << QStringList {"", "", "", "", "", "", ""};
}

void tst_ResultChart::drawsFromTheFile()
{
    QFETCH(QString, fixture);
    QFETCH(qint64, position);
    QFETCH(QString, firstDate);
    QFETCH(QStringList, values);

    TestFolder folder;
    if (!fixture.isEmpty())
        QVERIFY(QFile::copy(QStringLiteral(QINTARA_TEST_DATA_DIR "/results/") + fixture,
                            folder.file("Cgrade.dat")));
    const ResultFile file = ResultFile::of(folder.path(), Language::Chinese);

    ResultChart chart;
    chart.show(Language::Chinese, *file.count());
    if (position >= 0)
        chart.setScrollPosition(position);
    const ChartLayout layout(*file.read(chart.firstShown(), chart.shownCount()));

    QStringList shown;
    for (const ChartLayout::Bar &bar : layout.bars())
        shown.append(bar.value.text);
    QCOMPARE(shown, values);
    QCOMPARE(layout.bars().first().date.text, firstDate);
}

QTEST_GUILESS_MAIN(tst_ResultChart)
#include "tst_resultchart.moc"
