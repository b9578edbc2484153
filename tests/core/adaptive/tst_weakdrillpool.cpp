// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeakDrillPool.h"

#include "FakeCharacterParts.h"

#include <QTest>

class tst_WeakDrillPool : public QObject
{
    Q_OBJECT

private slots:
    void kindOfEntry_data();
    void kindOfEntry();
    void pool_data();
    void pool();
};

void tst_WeakDrillPool::kindOfEntry_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("entry");
    QTest::addColumn<std::optional<WeakItemKind>>("kind");

    QTest::newRow("English 6") << 1 << 6 << std::optional(WeakItemKind::Key);
    QTest::newRow("Chinese 6") << 2 << 6 << std::optional(WeakItemKind::Character);
    QTest::newRow("Chinese 7") << 2 << 7 << std::optional(WeakItemKind::Radical);
    QTest::newRow("Chinese 8") << 2 << 8 << std::optional(WeakItemKind::Code);
    QTest::newRow("the plain letter drill") << 1 << 1 << std::optional<WeakItemKind>();
}

void tst_WeakDrillPool::kindOfEntry()
{
    QFETCH(int, menu);
    QFETCH(int, entry);
    QFETCH(std::optional<WeakItemKind>, kind);

    const std::optional<DrillEntry::Id> id = DrillEntry::forMenu(menu, entry);
    QVERIFY(id);
    QCOMPARE(WeakDrillPool::kindOf(*id), kind);
    QCOMPARE(DrillEntry::entry(*id).weak, kind.has_value());
    QVERIFY(DrillEntry::entry(*id).singleKey);
}

void tst_WeakDrillPool::pool_data()
{
    QTest::addColumn<WeakItemKind>("kind");
    QTest::addColumn<QString>("characterPool");
    QTest::addColumn<QStringList>("historyTargets");
    QTest::addColumn<QStringList>("candidates"); // "target:item,item"

    QStringList letters;
    for (char c = 'a'; c <= 'z'; ++c)
        letters.append(QStringLiteral("%1:%1").arg(QChar(c)));
    QTest::newRow("keys: the letters, then symbols and capitals of the history")
        << WeakItemKind::Key << "了子" << QStringList{";", "a", "Q", " ", "了", ";"}
        << letters + QStringList{";:;", "Q:Q"};
    QTest::newRow("characters: the pool, then the history, each once")
        << WeakItemKind::Character << "了子了" << QStringList{"日", "a", "，", "子"}
        << QStringList{"了:了", "子:子", "日:日"};
    QTest::newRow("radicals: characters with radicals stand for them")
        << WeakItemKind::Radical << "了子龘" << QStringList{"日"}
        << QStringList{"了:乛,丨", "子:子", "日:日"};
    QTest::newRow("codes: only characters with a short code")
        << WeakItemKind::Code << "了子日经" << QStringList{}
        << QStringList{"了:b", "子:bb", "经:x"};
    QTest::newRow("nothing known") << WeakItemKind::Code << "" << QStringList{} << QStringList{};
}

void tst_WeakDrillPool::pool()
{
    QFETCH(WeakItemKind, kind);
    QFETCH(QString, characterPool);
    QFETCH(QStringList, historyTargets);
    QFETCH(QStringList, candidates);

    const FakeCharacterParts parts({{"了", {{"乛", "丨"}, "b", 1}},
                                    {"子", {{"子"}, "bb", 2}},
                                    {"日", {{"日"}, "jjjj", 0}},
                                    {"经", {{}, "x", 1}}});
    QList<Keystroke> history;
    for (const QString &target : historyTargets)
        history.append(Keystroke{0, target, target, true, -1, ExerciseKind::Letters, {}});
    const WeakItemDraw draw = WeakDrillPool::drawFor(kind, characterPool, history, parts);
    QStringList found;
    for (const WeakItemDraw::Candidate &candidate : draw.pool())
        found.append(candidate.target + u':' + candidate.items.join(u','));
    QCOMPARE(found, candidates);
}

QTEST_GUILESS_MAIN(tst_WeakDrillPool)
#include "tst_weakdrillpool.moc"
