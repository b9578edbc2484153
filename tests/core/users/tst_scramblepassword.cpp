// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/ScramblePassword.h"

#include <QTest>

class tst_ScramblePassword : public QObject
{
    Q_OBJECT

private slots:
    void scramble_data();
    void scramble();
    void differentPasswordsCanShareTheResult();
};

void tst_ScramblePassword::scramble_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expected");

    QTest::newRow("abc") << "abc" << "959";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("one letter is its own mirror") << "a" << "7";
    QTest::newRow("one digit") << "0" << "5";
    QTest::newRow("two spaces") << "  " << "52";
    QTest::newRow("even length, mirror already replaced") << "password" << "22716868";
    QTest::newRow("digits and punctuation") << "Zz9!" << "1622";
    // A double-byte character has a negative code: its own XOR can still be
    // positive, and a mix with a letter gives "-".
    QTest::newRow("one Chinese character") << "中" << "5";
    QTest::newRow("Chinese then a letter") << "中a" << "-8";
    QTest::newRow("Chinese and digits") << "密码123" << "--701";
}

void tst_ScramblePassword::scramble()
{
    QFETCH(QString, password);
    QFETCH(QString, expected);
    QCOMPARE(ScramblePassword(password), expected);
}

void tst_ScramblePassword::differentPasswordsCanShareTheResult()
{
    // The weakness that made hashing necessary.
    QCOMPARE(ScramblePassword("ahc"), ScramblePassword("abc"));
    QCOMPARE(ScramblePassword("cbe"), QStringLiteral("959"));
}

QTEST_GUILESS_MAIN(tst_ScramblePassword)
#include "tst_scramblepassword.moc"
