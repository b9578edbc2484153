// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/KeyMarker.h"

#include <QTest>

namespace {
// Stands for a call of conceal() in a sequence of marked texts.
const QString concealStep = QStringLiteral("<conceal>");
} // namespace

class tst_KeyMarker : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data();
    void sequence();
    void reportsChanges();
};

void tst_KeyMarker::sequence_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("description");

    QTest::newRow("nothing marked at first") << QStringList{} << QStringLiteral("未标出下一个键");
    QTest::newRow("upper-case letter")
        << QStringList{"A"} << QStringLiteral("下一个键：A（左手小指）");
    QTest::newRow("right index finger")
        << QStringList{"j"} << QStringLiteral("下一个键：J（右手食指）");
    QTest::newRow("6 is typed by the right hand")
        << QStringList{"^"} << QStringLiteral("下一个键：6（右手食指）");
    QTest::newRow("shifted character names its key")
        << QStringList{"!"} << QStringLiteral("下一个键：1（左手小指）");
    QTest::newRow("brace on the bracket key")
        << QStringList{"{"} << QStringLiteral("下一个键：[（右手小指）");
    QTest::newRow("space bar") << QStringList{" "} << QStringLiteral("下一个键：空格（拇指）");
    QTest::newRow("ring and middle fingers")
        << QStringList{"w", "k"} << QStringLiteral("下一个键：K（右手中指）");
    QTest::newRow("Chinese character keeps the mark")
        << QStringList{"s", QStringLiteral("中")} << QStringLiteral("下一个键：S（左手无名指）");
    QTest::newRow("texts without a key keep the mark")
        << QStringList{"f", "\t", "", "ab"} << QStringLiteral("下一个键：F（左手食指）");
    QTest::newRow("conceal hides the mark")
        << QStringList{"a", concealStep} << QStringLiteral("未标出下一个键");
    QTest::newRow("text without a key after conceal stays hidden")
        << QStringList{"a", concealStep, QStringLiteral("中")} << QStringLiteral("未标出下一个键");
    QTest::newRow("next key after conceal shows again")
        << QStringList{"a", concealStep, "."} << QStringLiteral("下一个键：.（右手无名指）");
    QTest::newRow("same key after conceal shows again")
        << QStringList{"a", concealStep, "a"} << QStringLiteral("下一个键：A（左手小指）");
}

void tst_KeyMarker::sequence()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, description);

    KeyMarker marker;
    for (const QString &step : steps) {
        if (step == concealStep)
            marker.conceal();
        else
            marker.mark(step);
    }
    QCOMPARE(marker.description(), description);
}

void tst_KeyMarker::reportsChanges()
{
    KeyMarker marker;
    QVERIFY(!marker.conceal());
    QVERIFY(marker.mark(u"a"));
    QVERIFY(!marker.mark(u"A"));
    QVERIFY(!marker.mark(u"中"));
    QVERIFY(marker.mark(u"s"));
    QCOMPARE(marker.markedKey()->name, QStringLiteral("S"));
    QVERIFY(marker.conceal());
    QCOMPARE(marker.markedKey(), nullptr);
    QVERIFY(!marker.conceal());
}

QTEST_GUILESS_MAIN(tst_KeyMarker)
#include "tst_keymarker.moc"
