// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/GameTargets.h"

#include "ScriptedRandom.h"

#include <QTest>

class tst_GameTargets : public QObject
{
    Q_OBJECT

private slots:
    void drawTarget_data();
    void drawTarget();
    void hits_data();
    void hits();
    void everyRadicalIsCaughtByOneKey();
};

void tst_GameTargets::drawTarget_data()
{
    QTest::addColumn<int>("alphabet");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("target");

    QTest::newRow("lower case, r 0") << 0 << 0.0 << "a";
    QTest::newRow("lower case, r just below 1") << 0 << 0.9999 << "z";
    QTest::newRow("upper case, r 0.5") << 1 << 0.5 << "N";
    QTest::newRow("digits, r just below 1") << 2 << 0.9999 << "9";
    QTest::newRow("mixed, r 0: the first of 75") << 3 << 0.0 << "0";
    QTest::newRow("mixed, 10 of 75: colon") << 3 << 10.5 / 75 << ":";
    QTest::newRow("mixed, r just below 1: z") << 3 << 0.9999 << "z";
    QTest::newRow("radicals, r 0") << 4 << 0.0 << QStringLiteral("王");
    QTest::newRow("radicals, r just below 1") << 4 << 0.9999 << QStringLiteral("幺");
    QTest::newRow("radicals, 48 of 115") << 4 << 48.5 / 115 << QStringLiteral("丿");
    QTest::newRow("alphabet 5 has no targets") << 5 << 0.5 << "";
    QTest::newRow("alphabet -1 has no targets") << -1 << 0.5 << "";
}

void tst_GameTargets::drawTarget()
{
    QFETCH(int, alphabet);
    QFETCH(double, r);
    QFETCH(QString, target);

    ScriptedRandom random({r});
    QCOMPARE(GameTargets::drawTarget(qint16(alphabet), random), target);
}

void tst_GameTargets::hits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("hit");

    QTest::newRow("a hits a") << "a" << "a" << true;
    QTest::newRow("a misses A") << "a" << "A" << false;
    QTest::newRow("A hits A") << "A" << "A" << true;
    QTest::newRow("A misses a") << "A" << "a" << false;
    QTest::newRow("g hits its key name 王") << "g" << QStringLiteral("王") << true;
    QTest::newRow("g hits its radical 戋") << "g" << QStringLiteral("戋") << true;
    QTest::newRow("G has no key text") << "G" << QStringLiteral("王") << false;
    QTest::newRow("f misses 王") << "f" << QStringLiteral("王") << false;
    QTest::newRow("h: ascii colon in its text") << "h" << ":" << true;
    QTest::newRow("r: ascii colon in its text") << "r" << ":" << true;
    QTest::newRow("u: ascii colon in its text") << "u" << ":" << true;
    QTest::newRow("b: ascii colon in its text") << "b" << ":" << true;
    QTest::newRow("g: full-width colon only") << "g" << ":" << false;
    QTest::newRow("colon hits colon") << ":" << ":" << true;
    QTest::newRow("empty target is never hit") << "a" << "" << false;
    QTest::newRow("z hits z, though it has no key text") << "z" << "z" << true;
    QTest::newRow("digit hits digit") << "7" << "7" << true;
}

void tst_GameTargets::hits()
{
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(bool, hit);

    QCOMPARE(GameTargets::hits(typed, target), hit);
}

// A radical target can always be caught, and by one key only.
void tst_GameTargets::everyRadicalIsCaughtByOneKey()
{
    for (const QChar radical : GameTargets::radicals()) {
        QString keys;
        for (char16_t key = u'a'; key <= u'z'; ++key) {
            if (GameTargets::hits(QString(QChar(key)), QString(radical)))
                keys += QChar(key);
        }
        QVERIFY2(keys.size() == 1, qPrintable(QStringLiteral("%1 is caught by \"%2\"").arg(radical).arg(keys)));
    }
}

QTEST_GUILESS_MAIN(tst_GameTargets)
#include "tst_gametargets.moc"
