// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeakItemDraw.h"

#include "core/adaptive/ConfusionTable.h"
#include "core/adaptive/WeaknessModel.h"
#include "core/material/RandomSource.h"

#include "ScriptedRandom.h"

#include <QRandomGenerator>
#include <QTest>

constexpr qint64 now = 1'800'000'000'000;
constexpr qint64 day = 24LL * 60 * 60 * 1000;

namespace {

// A generator with a fixed seed: many draws, the same every run.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_generator(seed) {}
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

Keystroke character(qint64 timeMs, const QString &target, const QString &typed)
{
    return Keystroke{timeMs, target, typed, target == typed, 900, ExerciseKind::Characters, QString()};
}

QList<WeakItemDraw::Candidate> selfPool(const QString &characters)
{
    QList<WeakItemDraw::Candidate> pool;
    for (const QChar c : characters)
        pool.append({QString(c), {QString(c)}});
    return pool;
}

const QString fifty = QStringLiteral("的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说");

} // namespace

class tst_WeakItemDraw : public QObject
{
    Q_OBJECT

private slots:
    void alwaysConfusedCharacterComesFarMoreOften();
    void scriptedDraws_data();
    void scriptedDraws();
    void reasons_data();
    void reasons();
};

// A week of practice of fifty common characters in which 了 always came out
// as 子 and every other character was right.
void tst_WeakItemDraw::alwaysConfusedCharacterComesFarMoreOften()
{
    QList<Keystroke> history;
    qint64 at = now - 7 * day;
    for (int round = 0; round < 9; ++round) {
        for (const QChar c : fifty) {
            const QString target(c);
            history.append(character(at, target, target == u"了" ? QStringLiteral("子") : target));
            at += day / 60;
        }
    }
    const WeaknessModel model = WeaknessModel::build(history, now);
    const WeakItemDraw draw(WeakItemKind::Character, selfPool(fifty));

    SeededRandom random(20261210);
    QHash<QString, int> drawn;
    QString reason;
    for (int n = 0; n < 2000; ++n) {
        const WeakItemDraw::Drawn next = draw.draw(model, random);
        ++drawn[next.target];
        if (next.target == u"了" && next.reason.startsWith(u"薄弱"))
            reason = next.reason;
    }
    const int uniform = 2000 / int(fifty.size());
    QVERIFY2(drawn.value("了") > 5 * uniform, qPrintable(QString::number(drawn.value("了"))));
    QCOMPARE(reason, "薄弱：了 常被打成 子（错 9/9）");
    // Nothing is starved.
    for (const QChar c : fifty)
        QVERIFY2(drawn.value(QString(c)) > 0, qPrintable(QString(c)));

    QCOMPARE(ConfusionTable::of(history).rows().value(0).text(), "把 了 打成 子");
}

void tst_WeakItemDraw::scriptedDraws_data()
{
    QTest::addColumn<QList<Keystroke>>("history");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");

    const QList<Keystroke> weakB{character(now, "b", "v"), character(now, "c", "c")};
    QTest::newRow("no history: from the pool, saying so")
        << QList<Keystroke>{} << "abc" << QList<double>{0.7} << "c" << "暂无练习记录：随机抽取";
    QTest::newRow("history of other items only: from the pool")
        << QList<Keystroke>{character(now, "x", "y")} << "abc" << QList<double>{0.0} << "a"
        << "暂无练习记录：随机抽取";
    QTest::newRow("a quarter of draws review the pool")
        << weakB << "abc" << QList<double>{0.2, 0.0} << "a" << "随机复习";
    // Scores: b 1.1/3 = 0.367, c 0.1/3 = 0.033; 0.9 x 0.4 = 0.36 falls in b.
    QTest::newRow("weak draw by score, the weakest")
        << weakB << "abc" << QList<double>{0.3, 0.9, 0.0} << "b" << "薄弱：b 常被打成 v（错 1/1）";
    QTest::newRow("weak draw by score, the stronger one too")
        << weakB << "abc" << QList<double>{0.3, 0.95, 0.0} << "c" << "巩固：c（错 0/1）";
    QTest::newRow("empty pool draws nothing") << weakB << "" << QList<double>{} << "" << "";
}

void tst_WeakItemDraw::scriptedDraws()
{
    QFETCH(QList<Keystroke>, history);
    QFETCH(QString, pool);
    QFETCH(QList<double>, script);
    QFETCH(QString, target);
    QFETCH(QString, reason);

    // Keys typed in the character drill count as characters only when
    // Chinese, so these items are keyed as keys of the letter drill.
    for (Keystroke &key : history)
        key.kind = ExerciseKind::Letters;
    const WeaknessModel model = WeaknessModel::build(history, now);
    ScriptedRandom random(script);
    const WeakItemDraw::Drawn drawn = WeakItemDraw(WeakItemKind::Key, selfPool(pool)).draw(model, random);
    QCOMPARE(drawn.target, target);
    QCOMPARE(drawn.reason, reason);
    QCOMPARE(random.left(), 0);
}

void tst_WeakItemDraw::reasons_data()
{
    QTest::addColumn<WeakItem>("item");
    QTest::addColumn<QString>("reason");

    auto item = [](WeakItemKind kind, const QString &name, int errors, int tries, double errorRate,
                   double slowness, qint32 typicalMs, const QString &confused) {
        WeakItem made;
        made.kind = kind;
        made.name = name;
        made.errors = errors;
        made.tries = tries;
        made.errorRate = errorRate;
        made.slowness = slowness;
        made.typicalMs = typicalMs;
        made.confusedWith = confused;
        return made;
    };
    using K = WeakItemKind;
    QTest::newRow("confused character")
        << item(K::Character, "了", 6, 9, 0.6, 0, 900, "子") << "薄弱：了 常被打成 子（错 6/9）";
    QTest::newRow("radicals are not typed as anything")
        << item(K::Radical, "氵", 4, 12, 0.3, 0, 900, "") << "薄弱：字根 氵（错 4/12）";
    QTest::newRow("code") << item(K::Code, "bn", 2, 5, 0.4, 0, 900, "") << "薄弱：编码 bn（错 2/5）";
    QTest::newRow("slowness outweighs errors")
        << item(K::Key, "q", 1, 40, 0.03, 0.8, 820, "w") << "薄弱：q 慢（平均 820 毫秒）";
    QTest::newRow("neither slow nor wrong") << item(K::Key, "a", 0, 10, 0.01, 0.05, 200, "") << "巩固：a（错 0/10）";
    QTest::newRow("key pair") << item(K::KeyPair, "th", 3, 10, 0.3, 0, 200, "") << "薄弱：th（错 3/10）";
}

void tst_WeakItemDraw::reasons()
{
    QFETCH(WeakItem, item);
    QFETCH(QString, reason);
    QCOMPARE(WeakItemDraw::reasonFor(item, 0.5), reason);
}

QTEST_GUILESS_MAIN(tst_WeakItemDraw)
#include "tst_weakitemdraw.moc"
