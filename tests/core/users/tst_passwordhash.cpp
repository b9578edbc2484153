// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordHash.h"

#include "core/platform/TextCodec.h"

#include <QTest>

using PasswordHash::Match;

class tst_PasswordHash : public QObject
{
    Q_OBJECT

private slots:
    void hashFitsASettingsValue();
    void hashIsSalted();
    void check_data();
    void check();
};

void tst_PasswordHash::hashFitsASettingsValue()
{
    const std::optional<QString> hashed = PasswordHash::hash(QStringLiteral("密码很长很长很长很长很长很长"));
    QVERIFY(hashed);
    QVERIFY(PasswordHash::isHash(*hashed));
    // Settings values are read back cut to 127 bytes of GBK.
    QVERIFY(TextCodec::encode(*hashed).size() <= 127);
}

void tst_PasswordHash::hashIsSalted()
{
    const std::optional<QString> first = PasswordHash::hash("abc");
    const std::optional<QString> second = PasswordHash::hash("abc");
    QVERIFY(first && second);
    QVERIFY(*first != *second);
    QCOMPARE(PasswordHash::check("abc", *first), Match::Hashed);
    QCOMPARE(PasswordHash::check("abc", *second), Match::Hashed);
}

void tst_PasswordHash::check_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // "hash:<password>" stands for a fresh hash of it
    QTest::addColumn<Match>("expected");

    QTest::newRow("hash, right password") << "abc" << "hash:abc" << Match::Hashed;
    QTest::newRow("hash, wrong password") << "abd" << "hash:abc" << Match::Wrong;
    QTest::newRow("hash refuses a password that scrambles alike") << "ahc" << "hash:abc" << Match::Wrong;
    QTest::newRow("hash refuses the scrambled text itself") << "959" << "hash:abc" << Match::Wrong;
    QTest::newRow("hash of the empty password") << "" << "hash:" << Match::Hashed;
    QTest::newRow("hash of the empty password, typed text") << "x" << "hash:" << Match::Wrong;
    QTest::newRow("hash of Chinese password") << "密码123" << "hash:密码123" << Match::Hashed;
    QTest::newRow("scrambled, right password") << "abc" << "959" << Match::Legacy;
    QTest::newRow("scrambled accepts what scrambles alike") << "ahc" << "959" << Match::Legacy;
    QTest::newRow("scrambled, wrong password") << "abd" << "959" << Match::Wrong;
    QTest::newRow("scrambled Chinese password") << "密码123" << "--701" << Match::Legacy;
    QTest::newRow("missing entry, empty password") << "" << "" << Match::Legacy;
    QTest::newRow("missing entry, some password") << "abc" << "" << Match::Wrong;
    QTest::newRow("damaged hash") << "abc" << "$argon2id$v=19$broken" << Match::Wrong;
}

void tst_PasswordHash::check()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(Match, expected);
    if (stored.startsWith("hash:")) {
        const std::optional<QString> hashed = PasswordHash::hash(stored.mid(5));
        QVERIFY(hashed);
        stored = *hashed;
    }
    QCOMPARE(PasswordHash::check(typed, stored), expected);
}

QTEST_GUILESS_MAIN(tst_PasswordHash)
#include "tst_passwordhash.moc"
