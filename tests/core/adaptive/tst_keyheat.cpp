// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/KeyHeat.h"

#include "core/adaptive/WeaknessModel.h"

#include <QTest>

constexpr qint64 now = 1'800'000'000'000;

class tst_KeyHeat : public QObject
{
    Q_OBJECT

private slots:
    void gathersTheCharactersOfAKey();
    void noKeys();
};

void tst_KeyHeat::gathersTheCharactersOfAKey()
{
    auto key = [](qint64 at, const QString &target, const QString &typed, qint32 interval) {
        return Keystroke{now + at, target, typed, target == typed, interval, ExerciseKind::EnglishArticle, {}};
    };
    const QList<Keystroke> history{key(0, "a", "a", 200), key(1, "a", "s", 200), key(2, "a", "a", 200),
                                   key(3, "a", "a", 200), key(4, "A", "a", 400), key(5, "!", "!", 300),
                                   key(6, "1", "1", 300), key(7, " ", " ", 100)};
    const KeyHeat heat = KeyHeat::of(WeaknessModel::build(history, now + 10));

    QStringList names;
    for (const KeyHeat::Key &each : heat.keys())
        names.append(each.name);
    QCOMPARE(names, QStringList({"1", "A"})); // keyboard order; the space is no item
    const KeyHeat::Key *a = heat.key("A");
    QCOMPARE(a->tries, 5);
    QCOMPARE(a->errors, 2);
    QCOMPARE(a->errorPercent(), 40);
    // "a" at 200 ms over tries weighing 3.800, "A" at 400 ms weighing 1.
    QCOMPARE(a->typicalMs, 242);
    QCOMPARE(a->slowness, 0.0);
    QVERIFY(qAbs(heat.key("1")->slowness - 0.310) < 0.01); // log2(300 / 242)
    QCOMPARE(heat.text(), "1 错误率 0%，平均 300 毫秒；A 错误率 40%，平均 242 毫秒");
}

void tst_KeyHeat::noKeys()
{
    const KeyHeat heat = KeyHeat::of(WeaknessModel::build(
        {Keystroke{now, "了", "子", false, 300, ExerciseKind::Characters, {}}}, now));
    QVERIFY(heat.keys().isEmpty());
    QCOMPARE(heat.text(), "暂无按键记录");
}

QTEST_GUILESS_MAIN(tst_KeyHeat)
#include "tst_keyheat.moc"
