// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillHarness.h"
#include "DrillSettings.h"

#include "FakeKeystrokeHistory.h"

#include <QLabel>

constexpr qint64 now = 1'800'000'000'000;

namespace {

QList<Keystroke> confused(const QString &target, const QString &typed, int times, ExerciseKind kind)
{
    QList<Keystroke> keys;
    for (int n = 0; n < times; ++n)
        keys.append(Keystroke{now - 1000 * (times - n), target, typed, false, 800, kind, {}});
    return keys;
}

} // namespace

class tst_WeakDrills : public QObject
{
    Q_OBJECT

private slots:
    void opensAndDrawsByWeakness_data();
    void opensAndDrawsByWeakness();
    void modelIsBuiltWhenTheEntryOpensNotPerKey();
    void otherDrillsHideTheReason();
};

void tst_WeakDrills::opensAndDrawsByWeakness_data()
{
    QTest::addColumn<DrillEntry::Id>("id");
    QTest::addColumn<QList<Keystroke>>("history");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QString>("target"); // empty: any target
    QTest::addColumn<QString>("reason");

    using Id = DrillEntry::Id;
    const QList<Keystroke> le = confused("了", "子", 3, ExerciseKind::Characters);
    // The first number picks weakness over review, the next the item and its target.
    QTest::newRow("weak characters") << Id::WeakCharacters << le << QList<double>{0.5, 0.0, 0.0} << "了"
                                     << "薄弱：了 常被打成 子（错 3/3）";
    QTest::newRow("weak characters, no history") << Id::WeakCharacters << QList<Keystroke>{} << QList<double>{0.0}
                                                 << "" << "暂无练习记录：随机抽取";
    QTest::newRow("weak keys") << Id::WeakKeys << confused("q", "w", 2, ExerciseKind::Letters)
                               << QList<double>{0.5, 0.0, 0.0} << "q" << "薄弱：q 常被打成 w（错 2/2）";
    QTest::newRow("review in the weak keys") << Id::WeakKeys << confused("q", "w", 2, ExerciseKind::Letters)
                                             << QList<double>{0.1, 0.0} << "a" << "随机复习";
    // 了 is a first-level short code "b" in the radical table.
    QTest::newRow("weak short codes") << Id::WeakShortCodes << le << QList<double>{0.5, 0.0, 0.0} << "了"
                                      << "薄弱：编码 b（错 3/3）";
    QTest::newRow("weak radicals") << Id::WeakRadicals << le << QList<double>{0.5, 0.0, 0.0} << ""
                                   << "薄弱：字根 ";
}

void tst_WeakDrills::opensAndDrawsByWeakness()
{
    QFETCH(DrillEntry::Id, id);
    QFETCH(QList<Keystroke>, history);
    QFETCH(QList<double>, script);
    QFETCH(QString, target);
    QFETCH(QString, reason);

    DrillHarness drill(drillSettings());
    FakeKeystrokeHistory keys;
    keys.keys = history;
    drill.panel->setHistory(&keys, [] { return now; });
    for (const double number : script)
        drill.random.append(number);
    drill.open(id);

    SingleKeyDrill *single = drill.panel->singleKey();
    QVERIFY(single->area->isVisible());
    QVERIFY(!drill.Frame4->isVisible());
    QVERIFY(single->Text1->hasFocus());
    QVERIFY(!single->Label2->text().isEmpty());
    if (!target.isEmpty())
        QCOMPARE(single->Label2->text(), target);
    QVERIFY(single->Lab_weakReason->isVisible());
    QVERIFY2(single->Lab_weakReason->text().startsWith(reason), qPrintable(single->Lab_weakReason->text()));
    QCOMPARE(drill.random.left(), 0);
}

void tst_WeakDrills::modelIsBuiltWhenTheEntryOpensNotPerKey()
{
    DrillHarness drill(drillSettings());
    FakeKeystrokeHistory keys;
    keys.keys = confused("q", "w", 2, ExerciseKind::Letters);
    drill.panel->setHistory(&keys, [] { return now; });
    drill.random.append({0.5, 0.0, 0.0});
    drill.open(DrillEntry::Id::WeakKeys);
    QCOMPARE(drill.panel->singleKey()->Label2->text(), "q");

    // A right key draws the next target, here a review of the pool's first key.
    drill.random.append({0.1, 0.0});
    drill.type("q");
    QCOMPARE(drill.counts().correct, 1);
    QCOMPARE(drill.panel->singleKey()->Label2->text(), "a");
    QCOMPARE(drill.panel->singleKey()->Lab_weakReason->text(), "随机复习");
    QCOMPARE(keys.detailReads, 1);

    drill.panel->openDrill(DrillEntry::Id::WeakKeys);
    QCOMPARE(keys.detailReads, 2);
}

void tst_WeakDrills::otherDrillsHideTheReason()
{
    DrillHarness drill(drillSettings());
    drill.open(DrillEntry::Id::WeakKeys);
    QVERIFY(drill.panel->singleKey()->Lab_weakReason->isVisible());
    QCOMPARE(drill.panel->singleKey()->Lab_weakReason->accessibleDescription(), "出题原因：");

    drill.random.append(0.0);
    drill.open(DrillEntry::Id::Letters);
    QVERIFY(!drill.panel->singleKey()->Lab_weakReason->isVisible());
    QVERIFY(drill.Frame4->isVisible());
}

QTEST_MAIN(tst_WeakDrills)
#include "tst_weakdrills.moc"
