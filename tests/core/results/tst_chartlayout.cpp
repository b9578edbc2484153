// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ChartLayout.h"

#include <QTest>

class tst_ChartLayout : public QObject
{
    Q_OBJECT

private slots:
    void axisAndGrid();
    void scaledToThePlot();
    void bar_data();
    void bar();
    void speedColour_data();
    void speedColour();
    void dateLabel_data();
    void dateLabel();
    void clearedSlots();
    void summary_data();
    void summary();
};

namespace {

GradeRecord result(const QString &date, qint16 speed)
{
    return GradeRecord {date, "00:01:00", speed, speed, speed, 0, "100%  "};
}

// Seven results of the first week of June 2025.
QList<GradeRecord> week(const QList<qint16> &speeds)
{
    QList<GradeRecord> records;
    for (int day = 1; day <= speeds.size(); ++day)
        records.append(result(QString("25-06-%1").arg(day, 2, 10, QChar('0')), speeds.at(day - 1)));
    return records;
}

} // namespace

void tst_ChartLayout::axisAndGrid()
{
    const ChartLayout layout({});
    QCOMPARE(layout.verticalAxis(), QLineF(600, 900, 600, 5760));
    QCOMPARE(layout.baseline(), QLineF(630, 5370, 8490, 5370));
    QCOMPARE(layout.scrollBar(), QRectF(570, 5850, 7935, 255));

    const QList<ChartLayout::GridLine> grid = layout.gridLines();
    const QList<int> speeds {25, 50, 75, 100, 150, 200};
    const QList<int> heights {4828, 4286, 3744, 3202, 2118, 1035};
    QCOMPARE(grid.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(grid.at(i).speed, speeds.at(i));
        QCOMPARE(grid.at(i).line, QLineF(630, heights.at(i), 8490, heights.at(i)));
    }
    QCOMPARE(ChartLayout::gridColour(), QColor(192, 192, 192));

    const QList<ChartLayout::Label> labels = layout.axisLabels();
    QStringList texts;
    for (const ChartLayout::Label &label : labels) {
        texts.append(label.text);
        QCOMPARE(label.rect.right(), 600.0);
        QCOMPARE(label.alignment, Qt::AlignRight | Qt::AlignVCenter);
    }
    QCOMPARE(texts, (QStringList {"0-", "25-", "50-", "75-", "100-", "150-", "200-"}));
    QCOMPARE(labels.at(0).rect.center().y(), 5370.0);
    QCOMPARE(labels.at(6).rect.center().y(), 1035.0);
}

// The frame of 8835 x 6435 twips is 589 x 429 pixels.
void tst_ChartLayout::scaledToThePlot()
{
    const ChartLayout layout(week({48}), QSizeF(589, 429));
    QCOMPARE(layout.verticalAxis(), QLineF(40, 60, 40, 384));
    QCOMPARE(layout.baseline(), QLineF(42, 358, 566, 358));
    const ChartLayout::Bar &bar = layout.bars().first();
    QCOMPARE(bar.height, 1047.6); // in twips whatever the plot
    QCOMPARE(bar.bar, QRectF(60, 4322.4 / 15, 27, 1047.6 / 15));
    QCOMPARE(bar.date.rect, QRectF(50, 362, 51, 23));
}

void tst_ChartLayout::bar_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("height");
    QTest::addColumn<QRectF>("barRect");
    QTest::addColumn<QRectF>("shadow");
    QTest::addColumn<QRectF>("valueRect");

    QTest::newRow("48 in slot 0") << 0 << 48 << 1047.6 << QRectF(900, 4322.4, 405, 1047.6)
                                  << QRectF(960, 4472.4, 405, 897.6) << QRectF(900, 4112.4, 390, 180);
    QTest::newRow("200: the top of the scale")
        << 2 << 200 << 4365.0 << QRectF(3150, 1005, 405, 4365) << QRectF(3210, 1155, 405, 4215)
        << QRectF(3150, 795, 420, 180);
    QTest::newRow("250: cut to the height of 200")
        << 3 << 250 << 4365.0 << QRectF(4275, 1005, 405, 4365) << QRectF(4335, 1155, 405, 4215)
        << QRectF(4260, 795, 420, 180);
    QTest::newRow("5: too low for a shadow")
        << 6 << 5 << 109.125 << QRectF(7650, 5260.875, 405, 109.125) << QRectF(7710, 5370, 405, 0)
        << QRectF(7650, 5050.875, 420, 180);
    QTest::newRow("0: no bar") << 1 << 0 << 0.0 << QRectF(2025, 5370, 405, 0)
                               << QRectF(2085, 5370, 405, 0) << QRectF(2040, 5160, 390, 180);
    // A damaged record must not hang a bar below the baseline.
    QTest::newRow("negative: no bar") << 4 << -5 << 0.0 << QRectF(5400, 5370, 405, 0)
                                      << QRectF(5460, 5370, 405, 0) << QRectF(5400, 5160, 420, 180);
}

void tst_ChartLayout::bar()
{
    QFETCH(int, slot);
    QFETCH(int, speed);
    QFETCH(double, height);
    QFETCH(QRectF, barRect);
    QFETCH(QRectF, shadow);
    QFETCH(QRectF, valueRect);

    QList<qint16> speeds(7, 48);
    speeds[slot] = qint16(speed);
    const ChartLayout::Bar bar = ChartLayout(week(speeds)).bars().at(slot);
    QVERIFY(bar.recorded);
    QCOMPARE(bar.speed, speed);
    QCOMPARE(bar.height, height);
    QCOMPARE(bar.bar, barRect);
    QCOMPARE(bar.shadow, shadow);
    QCOMPARE(bar.value.rect, valueRect);
    QCOMPARE(bar.value.text, QString::number(speed));
    QCOMPARE(bar.colour, ChartLayout::speedColour(speed));
}

void tst_ChartLayout::speedColour_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("negative") << -1 << QColor(0, 0, 0);
    QTest::newRow("0") << 0 << QColor(0, 0, 0);
    QTest::newRow("1") << 1 << QColor(191, 180, 1);
    QTest::newRow("25") << 25 << QColor(191, 180, 25);
    QTest::newRow("26") << 26 << QColor(26, 183, 186);
    QTest::newRow("50") << 50 << QColor(50, 183, 186);
    QTest::newRow("51") << 51 << QColor(51, 112, 228);
    QTest::newRow("100") << 100 << QColor(100, 112, 228);
    QTest::newRow("101") << 101 << QColor(10, 101, 5);
    QTest::newRow("125") << 125 << QColor(10, 125, 5);
    QTest::newRow("126") << 126 << QColor(52, 18, 126);
    QTest::newRow("150") << 150 << QColor(52, 18, 150);
    QTest::newRow("151") << 151 << QColor(245, 151, 7);
    QTest::newRow("200") << 200 << QColor(245, 200, 7);
    QTest::newRow("201: pure red") << 201 << QColor(255, 0, 0);
    QTest::newRow("250") << 250 << QColor(255, 0, 0);
}

void tst_ChartLayout::speedColour()
{
    QFETCH(int, speed);
    QFETCH(QColor, colour);
    QCOMPARE(ChartLayout::speedColour(speed), colour);
}

void tst_ChartLayout::dateLabel_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("label");

    QTest::newRow("Tuesday") << "25-06-03" << "25-06-03 星期二";
    QTest::newRow("Sunday") << "25-06-08" << "25-06-08 星期日";
    QTest::newRow("last century") << "99-12-31" << "99-12-31 星期五";
    QTest::newRow("80 is 1980") << "80-01-01" << "80-01-01 星期二";
    QTest::newRow("79 is 2079") << "79-12-31" << "79-12-31 星期日";
    QTest::newRow("not beginning with a digit") << "abc" << "abc";
    QTest::newRow("a space first") << " 25-06-03" << " 25-06-03";
    // Read as a date it would fail; it is shown as stored instead.
    QTest::newRow("digits but no date") << "25-13-40" << "25-13-40";
    QTest::newRow("empty") << "" << "";
}

void tst_ChartLayout::dateLabel()
{
    QFETCH(QString, stored);
    QFETCH(QString, label);
    QCOMPARE(ChartLayout::dateLabel(stored), label);
}

void tst_ChartLayout::clearedSlots()
{
    const ChartLayout layout(week({48, 5}));
    QCOMPARE(layout.bars().size(), 7);
    QVERIFY(layout.bars().at(1).recorded);
    QCOMPARE(layout.bars().at(1).date.rect, QRectF(1860, 5430, 765, 345));
    for (int j = 2; j < 7; ++j) {
        const ChartLayout::Bar &bar = layout.bars().at(j);
        QVERIFY(!bar.recorded);
        QCOMPARE(bar.date.text, QString("无记录"));
        QCOMPARE(bar.value.text, QString());
        QCOMPARE(bar.bar, QRectF(900 + 1125 * j, 5370, 405, 0));
        QCOMPARE(bar.shadow, QRectF(960 + 1125 * j, 5370, 405, 0));
    }
    QCOMPARE(layout.bars().at(6).date.rect, QRectF(7530, 5430, 765, 345));
}

// What the chart tells a screen reader.
void tst_ChartLayout::summary_data()
{
    QTest::addColumn<QList<GradeRecord>>("records");
    QTest::addColumn<QString>("summary");

    QTest::newRow("one record") << QList<GradeRecord> {result("25-06-03", 48)} << "6月3日 星期二 速度 48 字/分";
    QTest::newRow("seven records")
        << week({5, 20, 26, 48, 51, 100, 250})
        << "6月1日 星期日 速度 5 字/分；6月2日 星期一 速度 20 字/分；6月3日 星期二 速度 26 字/分；"
           "6月4日 星期三 速度 48 字/分；6月5日 星期四 速度 51 字/分；6月6日 星期五 速度 100 字/分；"
           "6月7日 星期六 速度 250 字/分";
    QTest::newRow("a date that is none") << QList<GradeRecord> {result("abc     ", 30)} << "abc 速度 30 字/分";
    QTest::newRow("no records") << QList<GradeRecord> {} << "无记录";
}

void tst_ChartLayout::summary()
{
    QFETCH(QList<GradeRecord>, records);
    QFETCH(QString, summary);
    QCOMPARE(ChartLayout(records).summary(), summary);
}

QTEST_GUILESS_MAIN(tst_ChartLayout)
#include "tst_chartlayout.moc"
