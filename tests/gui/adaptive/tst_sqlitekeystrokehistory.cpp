// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/adaptive/SqliteKeystrokeHistory.h"

#include "core/adaptive/KeystrokeRollUp.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

// The history on a real SQLite file in a scratch folder, looked at through
// the class and through a second connection of the test's own.
class tst_SqliteKeystrokeHistory : public QObject
{
    Q_OBJECT

private slots:
    void reopenGivesTheSameDetail();
    void workerWritesWithinASecond();
    void walMode();
    void oldDetailIsRolledUpOnce();
    void damagedFileIsSetAside_data();
    void damagedFileIsSetAside();
    void folderThatCannotHoldIt();
    void failedWriteDropsKeysAndLogsOnce();
};

namespace {

// 2026-12-10 12:00 local time.
const QDate today(2026, 12, 10);
const qint64 noon = QDateTime(today, QTime(12, 0)).toMSecsSinceEpoch();

qint64 fixedNow()
{
    return noon;
}

// Keys of every kind, with Chinese, quotes, commas and codes among them.
QList<Keystroke> manyKeys(int count, qint64 firstMs)
{
    static const QStringList targets{"a", "了", "\"", ",", "我", "'", "9"};
    QList<Keystroke> keys;
    for (int i = 0; i < count; ++i) {
        const QString target = targets[i % targets.size()];
        const bool correct = i % 5 != 0;
        keys.append({firstMs + i * 150, target, correct ? target : QStringLiteral("子"), correct,
                     i == 0 ? -1 : 150, ExerciseKind(i % 10), i % 3 == 0 ? QStringLiteral("bnh") : QString()});
    }
    return keys;
}

// A connection of the test's own to the history file, as another program
// (or the next run after a kill) would open it.
class SecondConnection
{
public:
    explicit SecondConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~SecondConnection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant value(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }

private:
    const QString name = QStringLiteral("test");
};

} // namespace

void tst_SqliteKeystrokeHistory::reopenGivesTheSameDetail()
{
    TestFolder folder;
    const QList<Keystroke> keys = manyKeys(1000, noon - 3600 * 1000);
    {
        SqliteKeystrokeHistory history(folder.path(), fixedNow);
        for (const Keystroke &key : keys)
            history.record(key);
        // Not yet written: detail() still has them.
        QCOMPARE(history.detail(0), keys);
    }
    QVERIFY(QFile::exists(folder.file("history.sqlite")));
    SqliteKeystrokeHistory reopened(folder.path(), fixedNow);
    QCOMPARE(reopened.detail(0), keys);
    QCOMPARE(reopened.detail(keys[600].timeMs), keys.mid(600));
    QCOMPARE(reopened.dailyTotals(), KeystrokeRollUp::dailyTotals(keys));
}

// What a kill loses: the worker writes on its own, without flush() or the
// destructor, within about a second.
void tst_SqliteKeystrokeHistory::workerWritesWithinASecond()
{
    TestFolder folder;
    SqliteKeystrokeHistory history(folder.path(), fixedNow);
    SecondConnection other(history.path());
    for (const Keystroke &key : manyKeys(25, noon))
        history.record(key);
    QTRY_COMPARE_WITH_TIMEOUT(other.value("SELECT count(*) FROM keystrokes").toInt(), 25, 3000);
}

void tst_SqliteKeystrokeHistory::walMode()
{
    TestFolder folder;
    SqliteKeystrokeHistory history(folder.path(), fixedNow);
    SecondConnection other(history.path());
    QCOMPARE(other.value("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
}

// Days before today - 60 leave the detail for the daily totals when the
// history opens, and only once: a further opening must not add them again.
void tst_SqliteKeystrokeHistory::oldDetailIsRolledUpOnce()
{
    TestFolder folder;
    const QDate lastRolled = today.addDays(-61);
    const qint64 old = QDateTime(lastRolled, QTime(23, 59, 58)).toMSecsSinceEpoch();
    const qint64 firstKept = QDateTime(today.addDays(-60), QTime(0, 0)).toMSecsSinceEpoch();
    const QList<Keystroke> rolled{
        {old, "a", "a", true, -1, ExerciseKind::Letters, ""},
        {old + 1500, "了", "子", false, 1500, ExerciseKind::Letters, "bnh"},
    };
    const QList<Keystroke> kept{
        {firstKept, "b", "b", true, 500, ExerciseKind::Letters, ""},
        {noon, "c", "c", true, -1, ExerciseKind::Words, ""},
    };
    {
        SqliteKeystrokeHistory history(folder.path(), fixedNow);
        for (const Keystroke &key : rolled + kept)
            history.record(key);
    }
    const QList<DailyTotals> expected{
        {lastRolled, ExerciseKind::Letters, 2, 1, 1500, 1, 3},
        {today.addDays(-60), ExerciseKind::Letters, 1, 0, 500, 0, 0},
        {today, ExerciseKind::Words, 1, 0, 0, 0, 0},
    };
    for (int opening = 1; opening <= 2; ++opening) {
        SqliteKeystrokeHistory history(folder.path(), fixedNow);
        QCOMPARE(history.detail(0), kept);
        QCOMPARE(history.dailyTotals(), expected);
    }
    SecondConnection other(folder.file("history.sqlite"));
    QCOMPARE(other.value("SELECT count(*) FROM keystrokes").toInt(), 2);
    QCOMPARE(other.value("SELECT count(*) FROM daily_totals").toInt(), 1);
}

void tst_SqliteKeystrokeHistory::damagedFileIsSetAside_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("random bytes") << "adaptive/broken/random-bytes.sqlite";
    QTest::newRow("SQLite header, then noise") << "adaptive/broken/header-then-noise.sqlite";
}

void tst_SqliteKeystrokeHistory::damagedFileIsSetAside()
{
    QFETCH(QString, fixture);
    TestFolder folder;
    const QByteArray damaged = readFixture(fixture);
    folder.write("history.sqlite", damaged);

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^keystroke history .*/history\\.sqlite was damaged \\(.+\\); set aside as "
                                            "history\\.sqlite\\.damaged-20261210-120000; starting afresh$"));
    SqliteKeystrokeHistory history(folder.path(), fixedNow);
    QCOMPARE(folder.read("history.sqlite.damaged-20261210-120000"), damaged);

    const Keystroke key{noon, "了", "了", true, -1, ExerciseKind::ChineseArticle, "bnh"};
    history.record(key);
    QCOMPARE(history.detail(0), QList<Keystroke>{key});
    SecondConnection other(history.path());
    QCOMPARE(other.value("SELECT target FROM keystrokes").toString(), QStringLiteral("了"));
}

// A user folder that is gone: a note in the log, no file set aside, and
// keys are taken and forgotten.
void tst_SqliteKeystrokeHistory::folderThatCannotHoldIt()
{
    TestFolder folder;
    const QString gone = folder.file("gone");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^keystroke history .* cannot be opened"));
    QTest::failOnWarning(QRegularExpression("damaged"));
    SqliteKeystrokeHistory history(gone, fixedNow);
    history.record({noon, "a", "a", true, -1, ExerciseKind::Letters, ""});
    history.flush();
    QCOMPARE(history.detail(0), QList<Keystroke>{});
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// A full disk: the keys of failed writes are dropped, one line is logged for
// the whole run of failures, and writing goes on once there is room again.
void tst_SqliteKeystrokeHistory::failedWriteDropsKeysAndLogsOnce()
{
    TestFolder folder;
    SqliteKeystrokeHistory history(folder.path(), fixedNow);
    const QRegularExpression failure("^keystroke history .* could not be written");
    {
        const FileSizeLimit full(QFileInfo(history.path()).size() + 1024);
        QTest::ignoreMessage(QtWarningMsg, failure);
        QTest::failOnWarning(failure);
        for (int batch = 0; batch < 2; ++batch) {
            for (const Keystroke &key : manyKeys(2000, noon - 60000))
                history.record(key);
            history.flush();
        }
    }
    const QList<Keystroke> later = manyKeys(3, noon);
    for (const Keystroke &key : later)
        history.record(key);
    QCOMPARE(history.detail(0), later);
}

QTEST_GUILESS_MAIN(tst_SqliteKeystrokeHistory)
#include "tst_sqlitekeystrokehistory.moc"
