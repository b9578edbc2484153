// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/MusicQueue.h"

#include <QTest>

class tst_MusicQueue : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void startsAtThePositionGiven();
};

// Each step is the time the current file played before it ended (0: it
// could not be played); the expected column lists the file current after
// each step, "-" once the queue has ended.
void tst_MusicQueue::order_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<qint64>>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("list in order, then round again")
        << QStringList{"a", "b", "c"} << QList<qint64>{60000, 60000, 60000, 60000}
        << QStringList{"b", "c", "a", "b"};
    QTest::newRow("single file repeats") << QStringList{"a"} << QList<qint64>{90000, 90000}
                                         << QStringList{"a", "a"};
    QTest::newRow("file that cannot play is passed over")
        << QStringList{"a", "bad", "c"} << QList<qint64>{60000, 0, 60000, 60000}
        << QStringList{"bad", "c", "a", "bad"};
    QTest::newRow("single file that cannot play ends it") << QStringList{"bad"} << QList<qint64>{0, 0}
                                                          << QStringList{"-", "-"};
    QTest::newRow("nothing in the list plays: ends after one round")
        << QStringList{"x", "y", "z"} << QList<qint64>{0, 0, 0, 0} << QStringList{"y", "z", "-", "-"};
    QTest::newRow("files that end at once end it too")
        << QStringList{"x", "y"} << QList<qint64>{400, 500} << QStringList{"y", "-"};
    QTest::newRow("a round of enough music goes on")
        << QStringList{"x", "y"} << QList<qint64>{400, 600, 0, 0} << QStringList{"y", "x", "y", "-"};
    QTest::newRow("empty list has nothing") << QStringList() << QList<qint64>{60000} << QStringList{"-"};
}

void tst_MusicQueue::order()
{
    QFETCH(QStringList, files);
    QFETCH(QList<qint64>, steps);
    QFETCH(QStringList, expected);

    MusicQueue queue(1000);
    queue.start(files);
    QCOMPARE(queue.current(), files.isEmpty() ? std::nullopt : std::optional<QString>(files.first()));
    QStringList seen;
    for (qint64 played : steps) {
        const std::optional<QString> next = queue.next(played);
        QCOMPARE(next, queue.current());
        seen.append(next.value_or("-"));
    }
    QCOMPARE(seen, expected);
}

void tst_MusicQueue::startsAtThePositionGiven()
{
    MusicQueue queue;
    queue.start({"a", "b", "c"}, 2);
    QCOMPARE(queue.current(), std::optional<QString>("c"));
    QCOMPARE(queue.next(5000), std::optional<QString>("a"));
    queue.start({"a", "b"}, 5); // out of range: from the first
    QCOMPARE(queue.position(), 0);
    queue.clear();
    QCOMPARE(queue.current(), std::nullopt);
    QCOMPARE(queue.position(), -1);
}

QTEST_GUILESS_MAIN(tst_MusicQueue)
#include "tst_musicqueue.moc"
