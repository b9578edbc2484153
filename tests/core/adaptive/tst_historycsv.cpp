// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/HistoryCsv.h"
#include "core/platform/CsvText.h"

#include "TestFolder.h"

#include <QDateTime>
#include <QTest>

#include <ctime>

class tst_HistoryCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void field_data();
    void field();
    void detail_data();
    void detail();
    void dailyTotals();
};

namespace {

// 2026-12-07 01:05:03.250 UTC, 09:05:03.250 in the zone of the test.
const qint64 morning = QDateTime(QDate(2026, 12, 7), QTime(1, 5, 3, 250), Qt::UTC).toMSecsSinceEpoch();

} // namespace

void tst_HistoryCsv::initTestCase()
{
    // The time column is local time: a zone east of UTC shows the offset.
    qputenv("TZ", "CST-8");
    tzset();
}

void tst_HistoryCsv::field_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");

    QTest::newRow("plain") << "wqiy" << "wqiy";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("Chinese as it is") << "了" << "了";
    QTest::newRow("spaces are kept unquoted") << " a " << " a ";
    QTest::newRow("comma") << "," << "\",\"";
    QTest::newRow("quote doubled") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
    QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
    QTest::newRow("carriage return") << "\r" << "\"\r\"";
}

void tst_HistoryCsv::field()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(CsvText::field(text), field);
}

void tst_HistoryCsv::detail_data()
{
    QTest::addColumn<QList<Keystroke>>("keys");
    QTest::addColumn<QString>("golden");

    QTest::newRow("no keys: BOM and header") << QList<Keystroke>{} << "adaptive/detail-empty.csv";
    QTest::newRow("quotes, commas, Chinese, first key without interval")
        << QList<Keystroke>{
               {morning, "a", "a", true, -1, ExerciseKind::Letters, ""},
               {morning + 480, ",", ".", false, 480, ExerciseKind::Letters, ""},
               {morning + 1680, "了", "子", false, 1200, ExerciseKind::ChineseArticle, "bb"},
               {morning + 1980, "\"", "\"", true, 300, ExerciseKind::EnglishArticle, ""},
           }
        << "adaptive/detail.csv";
}

void tst_HistoryCsv::detail()
{
    QFETCH(QList<Keystroke>, keys);
    QFETCH(QString, golden);
    QCOMPARE(HistoryCsv::detail(keys), readFixture(golden));
}

void tst_HistoryCsv::dailyTotals()
{
    const QList<DailyTotals> totals{
        {QDate(2026, 12, 6), ExerciseKind::Digits, 7, 0, 2100, 0, 0},
        {QDate(2026, 12, 7), ExerciseKind::Letters, 2, 1, 480, 0, 0},
        {QDate(2026, 12, 7), ExerciseKind::ChineseArticle, 1, 1, 1200, 1, 2},
    };
    QCOMPARE(HistoryCsv::dailyTotals(totals), readFixture("adaptive/daily-totals.csv"));
}

QTEST_GUILESS_MAIN(tst_HistoryCsv)
#include "tst_historycsv.moc"
