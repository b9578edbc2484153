// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/HistoryExport.h"

#include "core/adaptive/HistoryCsv.h"
#include "core/results/ResultCsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_HistoryExport : public QObject
{
    Q_OBJECT

private slots:
    void siblingPath_data();
    void siblingPath();
    void writesEveryFile();
    void reportsAFileItCannotWrite();
};

void tst_HistoryExport::siblingPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("sibling");

    QTest::newRow("csv") << "/t/history.csv" << "/t/history-daily.csv";
    QTest::newRow("upper-case suffix kept") << "/t/History.CSV" << "/t/History-daily.CSV";
    QTest::newRow("no suffix") << "/t/history" << "/t/history-daily.csv";
}

void tst_HistoryExport::siblingPath()
{
    QFETCH(QString, path);
    QFETCH(QString, sibling);
    QCOMPARE(HistoryExport::siblingPath(path, "daily"), sibling);
}

void tst_HistoryExport::writesEveryFile()
{
    QTemporaryDir folder;
    const QList<Keystroke> detail{{1'800'000'000'000, "了", "子", false, 300, ExerciseKind::Characters, "bn"}};
    const QList<DailyTotals> totals{{QDate(2026, 12, 4), ExerciseKind::Letters, 10, 1, 5000, 0, 0}};
    GradeRecord english;
    english.Date = QStringLiteral("2026-12-04");
    english.PracticeTime = QStringLiteral("00:05:00");
    const HistoryExport::Results results{{english}, {}};
    const QString path = folder.filePath("历史.csv");
    QVERIFY(HistoryExport::write(path, detail, totals, results));

    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), HistoryCsv::detail(detail));
    QFile daily(folder.filePath("历史-daily.csv"));
    QVERIFY(daily.open(QIODevice::ReadOnly));
    QCOMPARE(daily.readAll(), HistoryCsv::dailyTotals(totals));
    QFile englishResults(folder.filePath("历史-english-results.csv"));
    QVERIFY(englishResults.open(QIODevice::ReadOnly));
    QCOMPARE(englishResults.readAll(), ResultCsv::write(results.english));
    QFile chineseResults(folder.filePath("历史-chinese-results.csv"));
    QVERIFY(chineseResults.open(QIODevice::ReadOnly));
    QCOMPARE(chineseResults.readAll(), ResultCsv::write({}));
}

void tst_HistoryExport::reportsAFileItCannotWrite()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("missing/history.csv");
    QString error;
    QVERIFY(!HistoryExport::write(path, {}, {}, {}, &error));
    QVERIFY2(error.contains("history.csv"), qPrintable(error));
    QVERIFY(!QFile::exists(HistoryExport::siblingPath(path, "daily")));
}

QTEST_GUILESS_MAIN(tst_HistoryExport)
#include "tst_historyexport.moc"
