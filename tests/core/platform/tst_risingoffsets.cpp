// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/RisingOffsets.h"

#include <QRandomGenerator>
#include <QTest>

using Offsets = std::vector<quint32>;
Q_DECLARE_METATYPE(Offsets)

class tst_RisingOffsets : public QObject
{
    Q_OBJECT

private slots:
    void givesBackEveryOffset_data();
    void givesBackEveryOffset();
};

namespace {

// Offsets rising by the given steps from start.
Offsets risingBy(quint32 start, const std::vector<quint32> &steps)
{
    Offsets offsets{start};
    for (const quint32 step : steps)
        offsets.push_back(offsets.back() + step);
    return offsets;
}

} // namespace

void tst_RisingOffsets::givesBackEveryOffset_data()
{
    QTest::addColumn<Offsets>("offsets");

    QTest::newRow("none") << Offsets{};
    QTest::newRow("one") << Offsets{7};
    QTest::newRow("equal offsets") << Offsets(40, 3);
    QTest::newRow("steps on either side of a byte")
        << risingBy(0, {253, 254, 255, 256, 1, 70000, 0, 254, 255});
    // A large step as the first of a block is not a step at all.
    std::vector<quint32> steps(40, 9);
    steps[15] = 100000;
    steps[16] = 300;
    steps[31] = 255;
    QTest::newRow("large steps at and after a block's first") << risingBy(5, steps);
    QTest::newRow("starting high") << risingBy(0xfff00000u, {1, 2, 3, 1000});

    QRandomGenerator random(14);
    std::vector<quint32> randomSteps(5000);
    for (quint32 &step : randomSteps)
        step = random.bounded(10) == 0 ? random.bounded(2000u) : random.bounded(60u);
    QTest::newRow("a long text's lines") << risingBy(0, randomSteps);
}

void tst_RisingOffsets::givesBackEveryOffset()
{
    QFETCH(Offsets, offsets);
    const RisingOffsets kept(offsets);
    QCOMPARE(kept.size(), qsizetype(offsets.size()));
    QCOMPARE(kept.empty(), offsets.empty());
    for (std::size_t index = 0; index < offsets.size(); ++index) {
        QCOMPARE(kept[qsizetype(index)], offsets[index]);
        if (index + 1 < offsets.size())
            QCOMPARE(kept.spanAt(qsizetype(index)), std::make_pair(offsets[index], offsets[index + 1]));
    }
}

QTEST_GUILESS_MAIN(tst_RisingOffsets)
#include "tst_risingoffsets.moc"
