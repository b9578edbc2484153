// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultTable.h"

#include <QTest>

using SortKind = ResultTable::SortKind;

class tst_ResultTable : public QObject
{
    Q_OBJECT

private slots:
    void columns();
    void rowsFromRecords();
    void sortKey_data();
    void sortKey();
    void clickHeader_data();
    void clickHeader();
    void sortedOrder_data();
    void sortedOrder();
};

namespace {

// Five rows as the table holds them; row 3 has a date that is not one and
// row 5 an accuracy that cannot be read, 97.6% and 98.4% (rows 3 and 4) both
// round to 98, and row 5 practised for 100 hours.
QList<QStringList> sampleRows()
{
    return {
        {"1", "25-06-03", "00:05:23", "240", "44", "236", "4", "98.76%"},
        {"2", "25-06-04", "00:10:00", "300", "30", "300", "0", "100%  "},
        {"3", "abc     ", "01:02:03", "10", "5", "9", "1", "97.6% "},
        {"4", "99-12-31", "00:00:41", "30", "43", "29", "1", "98.4% "},
        {"5", "25-06-02", "100:00:0", "50", "120", "49", "1", "abc%  "},
    };
}

} // namespace

void tst_ResultTable::columns()
{
    QCOMPARE(ResultTable::headers(),
             (QStringList {"ID", "日　　期", "练习时间", "输入字数", "平均字数", "正确字数",
                           "错误字数", "正确率"}));
    QCOMPARE(ResultTable::caption(Language::English), QString("英文练习成绩："));
    QCOMPARE(ResultTable::caption(Language::Chinese), QString("中文练习成绩："));
    const QList<SortKind> kinds {SortKind::Number, SortKind::Date,      SortKind::Date,
                                 SortKind::Number, SortKind::Number,    SortKind::Number,
                                 SortKind::Number, SortKind::Percentage};
    for (int column = 0; column < ResultTable::ColumnCount; ++column)
        QCOMPARE(ResultTable::sortKind(column), kinds.at(column));
}

void tst_ResultTable::rowsFromRecords()
{
    const QList<GradeRecord> records {
        {"25-06-03", "00:05:23", 240, 44, 236, 4, "98.33%"},
        {"25-06-04", "00:10:00", 300, 30, 300, -3, "100%  "},
    };
    QCOMPARE(
        ResultTable::rows(records),
        (QList<QStringList> {{"1", "25-06-03", "00:05:23", "240", "44", "236", "4", "98.33%"},
                             {"2", "25-06-04", "00:10:00", "300", "30", "300", "-3", "100%  "}}));
}

void tst_ResultTable::sortKey_data()
{
    QTest::addColumn<SortKind>("kind");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("key");

    QTest::newRow("number") << SortKind::Number << "240" << true << 240.0;
    QTest::newRow("negative number") << SortKind::Number << "-3" << true << -3.0;
    QTest::newRow("empty number") << SortKind::Number << "" << true << 0.0;
    QTest::newRow("number that is none") << SortKind::Number << "abc" << false << 0.0;
    QTest::newRow("only the first 31 characters") << SortKind::Number << "1" + QString(30, ' ') + "2" << true << 1.0;

    QTest::newRow("date") << SortKind::Date << "25-06-03" << true << 45811.0;
    QTest::newRow("date of the last century") << SortKind::Date << "99-12-31" << true << 36525.0;
    QTest::newRow("four-digit year, short month") << SortKind::Date << "2025-6-3" << true << 45811.0;
    QTest::newRow("time of day") << SortKind::Date << "00:05:23" << true << 323.0 / 86400;
    QTest::newRow("practice time past a day") << SortKind::Date << "100:00:0" << true << 100.0 / 24;
    QTest::newRow("not a date: 1 January 4501") << SortKind::Date << "abc     " << true << 949998.0;
    QTest::newRow("a day that does not exist") << SortKind::Date << "25-02-30" << true << 949998.0;
    QTest::newRow("slashes") << SortKind::Date << "25/06/03" << true << 45811.0;
    QTest::newRow("not a date: mixed separators") << SortKind::Date << "25-06/03" << true << 949998.0;
    QTest::newRow("not a date: five-digit year") << SortKind::Date << "12025-6-3" << true << 949998.0;
    QTest::newRow("not a date: three-digit month") << SortKind::Date << "25-006-3" << true << 949998.0;
    QTest::newRow("hours and minutes") << SortKind::Date << "01:30" << true << 90.0 * 60 / 86400;
    QTest::newRow("not a time: colon at the end") << SortKind::Date << "01:30:" << true << 949998.0;
    QTest::newRow("not a time: 60 minutes") << SortKind::Date << "00:60:00" << true << 949998.0;
    QTest::newRow("empty date") << SortKind::Date << "        " << true << 0.0;

    QTest::newRow("100% with two spaces") << SortKind::Percentage << "100%  " << true << 100.0;
    QTest::newRow("98.76% rounds up") << SortKind::Percentage << "98.76%" << true << 99.0;
    QTest::newRow("98.4% rounds down") << SortKind::Percentage << "98.4% " << true << 98.0;
    QTest::newRow("97.6% rounds up") << SortKind::Percentage << "97.6% " << true << 98.0;
    QTest::newRow("half to even") << SortKind::Percentage << "98.5%" << true << 98.0;
    QTest::newRow("nothing typed: 0") << SortKind::Percentage << "0     " << true << 0.0;
    QTest::newRow("empty percentage") << SortKind::Percentage << "" << true << 0.0;
    QTest::newRow("only one % taken off") << SortKind::Percentage << "100%%" << false << 0.0;
    QTest::newRow("percentage that is none") << SortKind::Percentage << "abc%" << false << 0.0;
}

void tst_ResultTable::sortKey()
{
    QFETCH(SortKind, kind);
    QFETCH(QString, cell);
    QFETCH(bool, readable);
    QFETCH(double, key);

    const std::optional<double> sortKey = ResultTable::sortKey(kind, cell);
    QCOMPARE(sortKey.has_value(), readable);
    if (readable)
        QCOMPARE(*sortKey, key);
}

void tst_ResultTable::clickHeader_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");

    QTest::newRow("no click") << QList<int> {} << 0 << true;
    QTest::newRow("a column: ascending") << QList<int> {3} << 3 << true;
    QTest::newRow("twice: descending") << QList<int> {3, 3} << 3 << false;
    QTest::newRow("three times: ascending again") << QList<int> {3, 3, 3} << 3 << true;
    QTest::newRow("then another column: ascending") << QList<int> {3, 3, 5} << 5 << true;
    // Column 0 is the sort column from the start.
    QTest::newRow("ID first: descending") << QList<int> {0} << 0 << false;
}

void tst_ResultTable::clickHeader()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, column);
    QFETCH(bool, ascending);

    ResultTable table;
    for (int click : clicks)
        table.clickHeader(click);
    QCOMPARE(table.sortColumn(), column);
    QCOMPARE(table.isAscending(), ascending);
}

void tst_ResultTable::sortedOrder_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("unsorted") << QList<int> {} << QStringList {"1", "2", "3", "4", "5"};
    QTest::newRow("ID descending") << QList<int> {0} << QStringList {"5", "4", "3", "2", "1"};
    QTest::newRow("speed as numbers, not as text") << QList<int> {4} << QStringList {"3", "2", "4", "1", "5"};
    QTest::newRow("speed descending") << QList<int> {4, 4} << QStringList {"5", "1", "4", "2", "3"};
    QTest::newRow("dates ascending, not a date last") << QList<int> {1} << QStringList {"4", "5", "1", "2", "3"};
    QTest::newRow("dates descending, not a date first") << QList<int> {1, 1} << QStringList {"3", "2", "1", "5", "4"};
    QTest::newRow("practice times, 100 hours last") << QList<int> {2} << QStringList {"4", "1", "2", "3", "5"};
    // 97.6% and 98.4% are equal and keep their order; the unreadable
    // accuracy goes last either way.
    QTest::newRow("accuracy descending, 100% on top") << QList<int> {7, 7} << QStringList {"2", "1", "3", "4", "5"};
    QTest::newRow("accuracy ascending") << QList<int> {7} << QStringList {"3", "4", "1", "2", "5"};
}

void tst_ResultTable::sortedOrder()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, ids);

    ResultTable table;
    for (int click : clicks)
        table.clickHeader(click);
    const QList<QStringList> rows = sampleRows();
    QStringList sorted;
    for (int index : table.sortedOrder(rows))
        sorted.append(rows.at(index).first());
    QCOMPARE(sorted, ids);
}

QTEST_GUILESS_MAIN(tst_ResultTable)
#include "tst_resulttable.moc"
