// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeaknessModel.h"

#include "FakeCharacterParts.h"

#include <QTest>

// A fixed "now" and one-day steps, so ages are exact.
constexpr qint64 now = 1'800'000'000'000;
constexpr qint64 day = 24LL * 60 * 60 * 1000;

namespace {

Keystroke key(qint64 timeMs, const QString &target, const QString &typed, qint32 intervalMs = 300,
              ExerciseKind kind = ExerciseKind::Letters)
{
    return Keystroke{timeMs, target, typed, target == typed, intervalMs, kind, QString()};
}

// count results of target, the newest at `newest` and each one ms older.
QList<Keystroke> run(const QString &target, int count, bool correct, qint64 newest, qint32 intervalMs = 300)
{
    QList<Keystroke> keys;
    for (int n = count - 1; n >= 0; --n)
        keys.append(key(newest - n, target, correct ? target : QStringLiteral("?"), intervalMs));
    return keys;
}

struct Count
{
    WeakItemKind kind;
    QString name;
    int tries; // 0: no such item
    int errors;
};

} // namespace

Q_DECLARE_METATYPE(Count)

class tst_WeaknessModel : public QObject
{
    Q_OBJECT

private slots:
    void errorRate_data();
    void errorRate();
    void whatCountsForWhat_data();
    void whatCountsForWhat();
    void slownessAgainstTheUsualPace();
    void weakestFirst();
    void mostFrequentConfusion();
};

// Expected rates worked out by hand with the default tuning (prior of two
// tries at 5 %, a seven-day half-life, a twenty-try count half-life).
void tst_WeaknessModel::errorRate_data()
{
    QTest::addColumn<QList<Keystroke>>("history");
    QTest::addColumn<double>("rate");

    QTest::newRow("one error in one try is not all") << run("a", 1, false, now) << 1.1 / 3;
    // Ten tries weigh 1 + 0.5^(1/20) + ... + 0.5^(9/20) = 8.598.
    QTest::newRow("ten right today") << run("a", 10, true, now) << 0.1 / 10.598;
    // Today weighs 1, last week 0.5 x 0.5^(1/20) = 0.48297.
    QTest::newRow("error last week, right today")
        << (run("a", 1, false, now - 7 * day) + run("a", 1, true, now)) << (0.48297 + 0.1) / 3.48297;
    QTest::newRow("right last week, error today")
        << (run("a", 1, true, now - 7 * day) + run("a", 1, false, now)) << 1.1 / 3.48297;
    // Twenty newest weigh 14.678 in all, the twenty before them half that.
    QTest::newRow("twenty wrong, then twenty right")
        << (run("a", 20, false, now - 100) + run("a", 20, true, now)) << (7.339 + 0.1) / 24.017;
    QTest::newRow("twenty right, then twenty wrong")
        << (run("a", 20, true, now - 100) + run("a", 20, false, now)) << (14.678 + 0.1) / 24.017;
    QTest::newRow("a result from the future counts as now") << run("a", 1, false, now + 3 * day) << 1.1 / 3;
    QTest::newRow("history out of order")
        << (run("a", 1, false, now) + run("a", 1, true, now - 7 * day)) << 1.1 / 3.48297;
}

void tst_WeaknessModel::errorRate()
{
    QFETCH(QList<Keystroke>, history);
    QFETCH(double, rate);

    const WeaknessModel model = WeaknessModel::build(history, now);
    const WeakItem *item = model.item(WeakItemKind::Key, "a");
    QVERIFY(item);
    QVERIFY2(qAbs(item->errorRate - rate) < 1e-3, qPrintable(QString::number(item->errorRate)));
}

void tst_WeaknessModel::whatCountsForWhat_data()
{
    QTest::addColumn<QList<Keystroke>>("history");
    QTest::addColumn<QList<Count>>("counts");

    using K = WeakItemKind;
    QTest::newRow("letters of the English kinds are keys, case kept")
        << QList<Keystroke>{key(now, "A", "A"), key(now + 1, ";", "l", 300, ExerciseKind::Words),
                            key(now + 2, "a", "a", 300, ExerciseKind::EnglishArticle)}
        << QList<Count>{{K::Key, "A", 1, 0}, {K::Key, ";", 1, 1}, {K::Key, "a", 1, 0}};
    QTest::newRow("spaces, digits drills and Chinese kinds give no key")
        << QList<Keystroke>{key(now, " ", " ", 300, ExerciseKind::EnglishArticle),
                            key(now + 1, "1", "1", 300, ExerciseKind::Digits),
                            key(now + 2, "a", "a", 300, ExerciseKind::ChineseArticle)}
        << QList<Count>{{K::Key, " ", 0, 0}, {K::Key, "1", 0, 0}, {K::Key, "a", 0, 0}};
    QTest::newRow("a key after another in one exercise is a pair")
        << QList<Keystroke>{key(now, "t", "t", -1), key(now + 1, "h", "j"), key(now + 2, "e", "e")}
        << QList<Count>{{K::KeyPair, "th", 1, 1}, {K::KeyPair, "he", 1, 0}, {K::KeyPair, "-t", 0, 0}};
    QTest::newRow("the first key of an exercise pairs with nothing")
        << QList<Keystroke>{key(now, "t", "t"), key(now + 1, "h", "h", -1)}
        << QList<Count>{{K::KeyPair, "th", 0, 0}, {K::Key, "h", 1, 0}};
    QTest::newRow("a retry after a wrong key is no pair")
        << QList<Keystroke>{key(now, "t", "t", -1), key(now + 1, "h", "j"), key(now + 2, "h", "h")}
        << QList<Count>{{K::KeyPair, "th", 1, 1}, {K::KeyPair, "hh", 0, 0}, {K::Key, "h", 2, 1}};
    QTest::newRow("keys of different kinds make no pair")
        << QList<Keystroke>{key(now, "t", "t", -1, ExerciseKind::Letters),
                            key(now + 1, "h", "h", 300, ExerciseKind::Words)}
        << QList<Count>{{K::KeyPair, "th", 0, 0}};
    QTest::newRow("a character counts for itself, its radicals and its code")
        << QList<Keystroke>{key(now, "了", "子", 900, ExerciseKind::Characters),
                            key(now + 1, "子", "子", 900, ExerciseKind::ChineseArticle)}
        << QList<Count>{{K::Character, "了", 1, 1}, {K::Radical, "乛", 1, 1}, {K::Radical, "丨", 1, 1},
                        {K::Code, "b", 1, 1}, {K::Character, "子", 1, 0}, {K::Radical, "子", 1, 0},
                        {K::Code, "bb", 1, 0}};
    QTest::newRow("punctuation and unknown characters")
        << QList<Keystroke>{key(now, "，", ",", 300, ExerciseKind::ChineseArticle),
                            key(now + 1, "龘", "龘", 300, ExerciseKind::ChineseArticle)}
        << QList<Count>{{K::Character, "，", 0, 0}, {K::Character, "龘", 1, 0}, {K::Code, "", 0, 0}};
    QTest::newRow("a character outside the basic plane is one character")
        << QList<Keystroke>{key(now, "𠀋", "𠀋", 300, ExerciseKind::ChineseArticle)}
        << QList<Count>{{K::Character, "𠀋", 1, 0}};
}

void tst_WeaknessModel::whatCountsForWhat()
{
    QFETCH(QList<Keystroke>, history);
    QFETCH(QList<Count>, counts);

    const FakeCharacterParts parts({{"了", {{"乛", "丨"}, "b", 1}}, {"子", {{"子"}, "bb", 2}}});
    const WeaknessModel model = WeaknessModel::build(history, now + 10, &parts);
    for (const Count &count : counts) {
        const WeakItem *item = model.item(count.kind, count.name);
        const QByteArray what = count.name.toUtf8() + " kind " + QByteArray::number(int(count.kind));
        if (count.tries == 0) {
            QVERIFY2(!item, what.constData());
            continue;
        }
        QVERIFY2(item, what.constData());
        QCOMPARE(item->tries, count.tries);
        QCOMPARE(item->errors, count.errors);
    }
}

// Three keys typed without error: two at 200 ms, one at 800 ms (four times
// the usual 200 ms, so fully slow before shrinking). Ten timed tries weigh
// 8.598, so slowness is 8.598 / 10.598; a pause of a minute counts as 5 s.
void tst_WeaknessModel::slownessAgainstTheUsualPace()
{
    const QList<Keystroke> history = run("a", 10, true, now, 200) + run("b", 10, true, now, 200)
                                     + run("c", 9, true, now, 800) + run("c", 1, true, now - 20, 60000);
    const WeaknessModel model = WeaknessModel::build(history, now);
    const WeakItem *a = model.item(WeakItemKind::Key, "a");
    const WeakItem *c = model.item(WeakItemKind::Key, "c");
    QCOMPARE(a->typicalMs, 200);
    QCOMPARE(a->slowness, 0.0);
    QCOMPARE(c->typicalMs, 800);
    QVERIFY(qAbs(c->slowness - 8.598 / 10.598) < 1e-3);
    QVERIFY(qAbs(c->score - (0.1 / 10.598 + 0.5 * 8.598 / 10.598)) < 1e-3);

    const WeaknessModel once = WeaknessModel::build(run("a", 10, true, now, 200) + run("b", 1, true, now, 800), now);
    QVERIFY2(once.item(WeakItemKind::Key, "b")->slowness < 0.34, "one slow try is not fully slow");
}

void tst_WeaknessModel::weakestFirst()
{
    const QList<Keystroke> history = run("a", 10, true, now) + run("b", 3, false, now) + run("c", 1, false, now)
                                     + run("d", 1, false, now - 5) + run("e", 1, false, now - 5);
    const WeaknessModel model = WeaknessModel::build(history, now);
    QStringList order;
    for (const WeakItem &item : model.items(WeakItemKind::Key))
        order.append(item.name);
    // c, d and e score alike: the most recent first, then by name.
    QCOMPARE(order, QStringList({"b", "c", "d", "e", "a"}));
    QVERIFY(model.items(WeakItemKind::Character).isEmpty());
    QVERIFY(WeaknessModel::build({}, now).isEmpty());
}

void tst_WeaknessModel::mostFrequentConfusion()
{
    const QList<Keystroke> history{key(now, "a", "s"), key(now + 1, "a", "q"), key(now + 2, "a", "s"),
                                   key(now + 3, "a", "q"), key(now + 4, "a", "a"), key(now + 5, "b", "")};
    const WeaknessModel model = WeaknessModel::build(history, now + 10);
    // s and q came twice each; q came last.
    QCOMPARE(model.item(WeakItemKind::Key, "a")->confusedWith, "q");
    QCOMPARE(model.item(WeakItemKind::Key, "a")->confusedCount, 2);
    QCOMPARE(model.item(WeakItemKind::Key, "b")->confusedWith, "");
    QCOMPARE(model.item(WeakItemKind::Key, "b")->errors, 1);
}

QTEST_GUILESS_MAIN(tst_WeaknessModel)
#include "tst_weaknessmodel.moc"
