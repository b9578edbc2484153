// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/KeystrokeRollUp.h"

#include <QDateTime>
#include <QTest>

#include <ctime>

class tst_KeystrokeRollUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dailyTotals_data();
    void dailyTotals();
    void mergedAddsSameDayAndKind();
};

namespace {

const QDate monday(2026, 12, 7);
const QDate tuesday(2026, 12, 8);

qint64 at(const QDate &day, const QTime &time)
{
    return QDateTime(day, time).toMSecsSinceEpoch();
}

Keystroke key(qint64 timeMs, qint32 intervalMs, bool correct = true, ExerciseKind kind = ExerciseKind::Letters,
              const QString &code = {})
{
    return {timeMs, QStringLiteral("a"), correct ? QStringLiteral("a") : QStringLiteral("s"), correct, intervalMs,
            kind, code};
}

DailyTotals totals(const QDate &day, ExerciseKind kind, int judged, int wrong, qint64 activeMs, int committed = 0,
                   int codeLetters = 0)
{
    return {day, kind, judged, wrong, activeMs, committed, codeLetters};
}

} // namespace

void tst_KeystrokeRollUp::initTestCase()
{
    // A zone without summer time, east of UTC, so local midnight is not
    // UTC midnight.
    qputenv("TZ", "CST-8");
    tzset();
}

void tst_KeystrokeRollUp::dailyTotals_data()
{
    QTest::addColumn<QList<Keystroke>>("keys");
    QTest::addColumn<QList<DailyTotals>>("expected");

    const qint64 ten = at(monday, QTime(10, 0));
    QTest::newRow("no keys") << QList<Keystroke>{} << QList<DailyTotals>{};
    QTest::newRow("first key adds no time, a wrong key counts")
        << QList<Keystroke>{key(ten, -1), key(ten + 300, 300, false), key(ten + 500, 200)}
        << QList<DailyTotals>{totals(monday, ExerciseKind::Letters, 3, 1, 500)};
    QTest::newRow("10 s is typing, longer is a pause")
        << QList<Keystroke>{key(ten, -1), key(ten + 10000, 10000), key(ten + 20001, 10001), key(ten + 20251, 250)}
        << QList<DailyTotals>{totals(monday, ExerciseKind::Letters, 4, 0, 10250)};

    // 23:59:59.500 local is 15:59:59.500 UTC: only local midnight may split.
    const qint64 late = at(monday, QTime(23, 59, 59, 500));
    QTest::newRow("local midnight splits; the interval counts on the later day")
        << QList<Keystroke>{key(at(monday, QTime(7, 59, 59)), -1), key(late, 400), key(late + 800, 800, false)}
        << QList<DailyTotals>{totals(monday, ExerciseKind::Letters, 2, 0, 400),
                              totals(tuesday, ExerciseKind::Letters, 1, 1, 800)};

    QTest::newRow("by day, then by kind, whatever order the keys come in")
        << QList<Keystroke>{key(at(tuesday, QTime(9, 0)), 100, true, ExerciseKind::Letters),
                            key(at(monday, QTime(9, 0)), 200, true, ExerciseKind::ChineseArticle),
                            key(at(monday, QTime(8, 0)), 300, false, ExerciseKind::Words),
                            key(at(monday, QTime(9, 1)), 400, true, ExerciseKind::ChineseArticle)}
        << QList<DailyTotals>{totals(monday, ExerciseKind::Words, 1, 1, 300),
                              totals(monday, ExerciseKind::ChineseArticle, 2, 0, 600),
                              totals(tuesday, ExerciseKind::Letters, 1, 0, 100)};

    QTest::newRow("keys with a code are commits; their letters add up")
        << QList<Keystroke>{key(ten, -1, true, ExerciseKind::Characters, QStringLiteral("wqiy")),
                            key(ten + 900, 900, true, ExerciseKind::Characters),
                            key(ten + 1500, 600, false, ExerciseKind::Characters, QStringLiteral("a"))}
        << QList<DailyTotals>{totals(monday, ExerciseKind::Characters, 3, 1, 1500, 2, 5)};
}

void tst_KeystrokeRollUp::dailyTotals()
{
    QFETCH(QList<Keystroke>, keys);
    QFETCH(QList<DailyTotals>, expected);
    QCOMPARE(KeystrokeRollUp::dailyTotals(keys), expected);
}

// Rolled-up days and the days still in detail may share a day when the
// clock was set back; their figures add up.
void tst_KeystrokeRollUp::mergedAddsSameDayAndKind()
{
    const QList<DailyTotals> rolledUp{totals(monday, ExerciseKind::Letters, 10, 2, 5000, 1, 4),
                                      totals(tuesday, ExerciseKind::Words, 5, 0, 900)};
    const QList<DailyTotals> detail{totals(monday, ExerciseKind::Digits, 1, 1, 0),
                                    totals(monday, ExerciseKind::Letters, 3, 1, 700, 2, 3)};
    const QList<DailyTotals> expected{totals(monday, ExerciseKind::Letters, 13, 3, 5700, 3, 7),
                                      totals(monday, ExerciseKind::Digits, 1, 1, 0),
                                      totals(tuesday, ExerciseKind::Words, 5, 0, 900)};
    QCOMPARE(KeystrokeRollUp::merged(rolledUp, detail), expected);
}

QTEST_GUILESS_MAIN(tst_KeystrokeRollUp)
#include "tst_keystrokerollup.moc"
