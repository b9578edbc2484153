// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/DailyTrend.h"

#include <QTest>

class tst_DailyTrend : public QObject
{
    Q_OBJECT

private slots:
    void points_data();
    void points();
};

void tst_DailyTrend::points_data()
{
    QTest::addColumn<QList<DailyTotals>>("totals");
    QTest::addColumn<QString>("text");

    const QDate first(2026, 12, 4);
    const QDate second(2026, 12, 5);
    // 140 right in two minutes; 100 keys plus 150 code letters in 120 s; 150 letters for 50 characters.
    QTest::newRow("kinds of one day together")
        << QList<DailyTotals>{{first, ExerciseKind::Letters, 100, 10, 60000, 0, 0},
                              {first, ExerciseKind::Characters, 50, 0, 60000, 50, 150}}
        << "2026-12-04：字/分 70.0，击键 2.1，码长 3.0";
    QTest::newRow("no input method: no code length")
        << QList<DailyTotals>{{first, ExerciseKind::Letters, 60, 0, 30000, 0, 0}}
        << "2026-12-04：字/分 120.0，击键 2.0，码长 —";
    QTest::newRow("no active time: no speeds")
        << QList<DailyTotals>{{first, ExerciseKind::Characters, 1, 0, 0, 1, 2}}
        << "2026-12-04：字/分 —，击键 —，码长 2.0";
    QTest::newRow("days oldest first")
        << QList<DailyTotals>{{second, ExerciseKind::Letters, 60, 0, 60000, 0, 0},
                              {first, ExerciseKind::Letters, 30, 0, 60000, 0, 0}}
        << "2026-12-04：字/分 30.0，击键 0.5，码长 —；2026-12-05：字/分 60.0，击键 1.0，码长 —";
    QTest::newRow("no days") << QList<DailyTotals>{} << "暂无每日记录";
}

void tst_DailyTrend::points()
{
    QFETCH(QList<DailyTotals>, totals);
    QFETCH(QString, text);
    QCOMPARE(DailyTrend::of(totals).text(), text);
}

QTEST_GUILESS_MAIN(tst_DailyTrend)
#include "tst_dailytrend.moc"
