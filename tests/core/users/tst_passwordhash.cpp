// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordHash.h"

#include "core/platform/TextCodec.h"

#include <QElapsedTimer>
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
    void refusedHash_data();
    void refusedHash();
};

namespace {

// Hashes of "abc" as earlier versions wrote them: at the highest accepted
// cost (64 MiB, two passes) and at a lower one (m=32768, t=1).
const QString annaHash = QStringLiteral(
    "$argon2id$v=19$m=65536,t=2,p=1$8FqnRLF6Bh+dE+RSE7YDcQ$s5bRWaNaE8nOIVu3+TxgnTCy/ou28ay5GlQ9RaT8DNA");
const QString cheaperHash = QStringLiteral(
    "$argon2id$v=19$m=32768,t=1,p=1$WV81uYKawT0WioUUbO5UfQ$booCDlM78oDHjcE1SyEwQantjHapmRd05lRWXi/o/10");

// annaHash with its parameter text replaced.
QString withParameters(const QString &parameters)
{
    QString hashed = annaHash;
    return hashed.replace(QStringLiteral("v=19$m=65536,t=2,p=1"), parameters);
}

} // namespace

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
    QVERIFY(first->contains(QStringLiteral("$m=19456,t=2,p=1$")));
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
    QTest::newRow("dearer hash, right password") << "abc" << annaHash << Match::Outdated;
    QTest::newRow("dearer hash, wrong password") << "abd" << annaHash << Match::Wrong;
    QTest::newRow("cheaper hash, right password") << "abc" << cheaperHash << Match::Outdated;
    QTest::newRow("cheaper hash, wrong password") << "abd" << cheaperHash << Match::Wrong;
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

// A stored hash names its own cost; one this program would not write is a
// damaged account, said at once, whatever was typed.
void tst_PasswordHash::refusedHash_data()
{
    QTest::addColumn<QString>("stored");

    QTest::newRow("passes 4294967295, hours") << withParameters("v=19$m=65536,t=4294967295,p=1");
    QTest::newRow("memory 4 GiB") << withParameters("v=19$m=4194304,t=2,p=1");
    QTest::newRow("memory 1 KiB more") << withParameters("v=19$m=65537,t=2,p=1");
    QTest::newRow("one pass more") << withParameters("v=19$m=65536,t=3,p=1");
    QTest::newRow("two lanes") << withParameters("v=19$m=65536,t=2,p=2");
    QTest::newRow("newer version") << withParameters("v=20$m=65536,t=2,p=1");
    QTest::newRow("older version") << withParameters("v=16$m=65536,t=2,p=1");
    QTest::newRow("no version") << withParameters("m=65536,t=2,p=1");
    QTest::newRow("leading zero") << withParameters("v=19$m=065536,t=2,p=1");
    QTest::newRow("beyond 32 bits") << withParameters("v=19$m=65536,t=4294967298,p=1");
    QTest::newRow("too little memory for a lane") << withParameters("v=19$m=1,t=1,p=1");
    QTest::newRow("parameters in other order") << withParameters("v=19$t=2,m=65536,p=1");
    QTest::newRow("argon2i") << QString(annaHash).replace("$argon2id$", "$argon2i$");
    QTest::newRow("hash part missing") << annaHash.left(annaHash.lastIndexOf('$'));
    QTest::newRow("stray character") << QString(annaHash).replace('+', '*');
    QTest::newRow("trailing text") << annaHash + "$x";
    QTest::newRow("damaged hash") << "$argon2id$v=19$broken";
    QTest::newRow("prefix only") << "$argon2";
}

void tst_PasswordHash::refusedHash()
{
    QFETCH(QString, stored);
    QVERIFY(!PasswordHash::isAcceptableHash(stored));
    QElapsedTimer timer;
    timer.start();
    for (const QString typed : {"abc", "", "x"})
        QCOMPARE(PasswordHash::check(typed, stored), Match::Damaged);
    // No hashing at all: far below the 50 ms one real check takes.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
}

QTEST_GUILESS_MAIN(tst_PasswordHash)
#include "tst_passwordhash.moc"
