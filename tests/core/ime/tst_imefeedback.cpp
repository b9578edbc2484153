// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/CodeFeedback.h"
#include "core/ime/ImeMetrics.h"

#include <QtTest>

#include <optional>

// What the built-in input tells the learner: the shorter code of a commit and
// the keystroke figures.
class tst_ImeFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shorterCode_data();
    void shorterCode();
    void saidOncePerExercise();
    void metrics_data();
    void metrics();

private:
    std::optional<ImeTable> m_wubi;
};

void tst_ImeFeedback::initTestCase()
{
    m_wubi = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/wubi86.tbl"));
    QVERIFY(m_wubi);
}

void tst_ImeFeedback::shorterCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("words");

    QTest::newRow("full code of a second-level short code") << "你" << "wqiy" << "你：全码 wqiy，二级简码 wq";
    QTest::newRow("third-level code of a first-level one") << "一" << "ggl" << "一：三级简码 ggl，一级简码 g";
    QTest::newRow("shortest code typed") << "你" << "wq" << "";
    QTest::newRow("no shorter code") << "我们" << "trwu" << "";
    QTest::newRow("text the table lacks") << "A" << "a" << "";
}

void tst_ImeFeedback::shorterCode()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(QString, words);
    CodeFeedback feedback(*m_wubi);
    QCOMPARE(feedback.afterCommit(text, typed), words);
}

void tst_ImeFeedback::saidOncePerExercise()
{
    CodeFeedback feedback(*m_wubi);
    QVERIFY(!feedback.afterCommit(QStringLiteral("你"), QStringLiteral("wqiy")).isEmpty());
    QVERIFY(feedback.afterCommit(QStringLiteral("你"), QStringLiteral("wqiy")).isEmpty());
    feedback.reset();
    QVERIFY(!feedback.afterCommit(QStringLiteral("你"), QStringLiteral("wqiy")).isEmpty());
}

void tst_ImeFeedback::metrics_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("perSecond");
    QTest::addColumn<QString>("perCharacter");

    QTest::newRow("nothing yet") << 0 << 0 << 0 << "0.00" << "0.00";
    QTest::newRow("keys before the first tick") << 5 << 1 << 0 << "0.00" << "5.00";
    QTest::newRow("short codes") << 30 << 12 << 10 << "3.00" << "2.50";
    QTest::newRow("thirds round") << 10 << 3 << 3 << "3.33" << "3.33";
}

void tst_ImeFeedback::metrics()
{
    QFETCH(int, keys);
    QFETCH(int, characters);
    QFETCH(int, seconds);
    QFETCH(QString, perSecond);
    QFETCH(QString, perCharacter);

    ImeMetrics metrics;
    for (int i = 0; i < keys; ++i)
        metrics.countKey();
    metrics.countCharacters(characters);
    QCOMPARE(metrics.keysPerSecondText(seconds), perSecond);
    QCOMPARE(metrics.keysPerCharacterText(), perCharacter);
    metrics.reset();
    QCOMPARE(metrics.keys(), 0);
}

QTEST_GUILESS_MAIN(tst_ImeFeedback)
#include "tst_imefeedback.moc"
