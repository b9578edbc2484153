// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/ConfusionTable.h"

#include <QTest>

namespace {

Keystroke key(qint64 timeMs, const QString &target, const QString &typed)
{
    return Keystroke{timeMs, target, typed, target == typed, 300, ExerciseKind::Characters, QString()};
}

} // namespace

class tst_ConfusionTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void tst_ConfusionTable::rows_data()
{
    QTest::addColumn<QList<Keystroke>>("history");
    QTest::addColumn<QStringList>("rows"); // text, count and last time of each row

    QTest::newRow("no history") << QList<Keystroke>{} << QStringList{};
    QTest::newRow("right keys make no row") << QList<Keystroke>{key(1, "了", "了")} << QStringList{};
    QTest::newRow("most frequent first")
        << QList<Keystroke>{key(1, "a", "s"), key(2, "了", "子"), key(3, "了", "子"), key(4, "了", "孑")}
        << QStringList{"把 了 打成 子 2 3", "把 了 打成 孑 1 4", "把 a 打成 s 1 1"};
    QTest::newRow("ties: most recent first, whatever the input order")
        << QList<Keystroke>{key(9, "b", "v"), key(5, "a", "s"), key(7, "c", "x"), key(1, "b", "v"),
                            key(8, "a", "s")}
        << QStringList{"把 b 打成 v 2 9", "把 a 打成 s 2 8", "把 c 打成 x 1 7"};
    QTest::newRow("ties at the same time: by target, then typed")
        << QList<Keystroke>{key(5, "b", "v"), key(5, "a", "s"), key(5, "a", "q")}
        << QStringList{"把 a 打成 q 1 5", "把 a 打成 s 1 5", "把 b 打成 v 1 5"};
    // A wrong key with nothing typed (a key the box swallowed) confuses with nothing.
    QTest::newRow("nothing typed is no confusion")
        << QList<Keystroke>{key(1, "a", ""), Keystroke{2, "a", "a", false, 300, ExerciseKind::Letters, {}}}
        << QStringList{};
}

void tst_ConfusionTable::rows()
{
    QFETCH(QList<Keystroke>, history);
    QFETCH(QStringList, rows);

    const ConfusionTable table = ConfusionTable::of(history);
    QStringList found;
    for (const ConfusionTable::Row &row : table.rows())
        found.append(QStringLiteral("%1 %2 %3").arg(row.text()).arg(row.count).arg(row.lastMs));
    QCOMPARE(found, rows);
}

QTEST_GUILESS_MAIN(tst_ConfusionTable)
#include "tst_confusiontable.moc"
