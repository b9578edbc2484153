// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountLogin.h"

#include "core/settings/IniFile.h"
#include "core/settings/SettingsCheck.h"
#include "core/users/PasswordHash.h"
#include "core/users/StoredPassword.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

#include <memory>

using Result = AccountLogin::Result;

class tst_AccountLogin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void logIn_data();
    void logIn();
    void olderPasswordEntryIsReplaced_data();
    void olderPasswordEntryIsReplaced();
    void legacyUpgradeKeepsTheRestOfTheFile();
    void passwordOnlyAccountGetsRepairedSettings();
    void missingEntryAcceptsTheEmptyPassword();
    void damagedFileIsNeitherOpenedNorWritten_data();
    void damagedFileIsNeitherOpenedNorWritten();

private:
    QString settingsFile(const QString &user) const;
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<AccountsFolder> m_accounts;
};

void tst_AccountLogin::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
    m_accounts = std::make_unique<AccountsFolder>(
        AccountsLocation::inProgramFolder(ProgramFolder(m_folder->path())));
}

QString tst_AccountLogin::settingsFile(const QString &user) const
{
    return m_folder->file("user/" + user + "/Deplog.ini");
}

void tst_AccountLogin::logIn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Result>("expected");
    QTest::addColumn<QString>("folder"); // the user folder when logged in

    QTest::newRow("hashed, right") << "anna" << "abc" << Result::LoggedIn << "user/anna";
    QTest::newRow("hashed, name in other case") << "ANNA" << "abc" << Result::LoggedIn << "user/anna";
    QTest::newRow("hashed, wrong") << "anna" << "abd" << Result::WrongPassword << "";
    QTest::newRow("hashed refuses what scrambles alike") << "anna" << "ahc" << Result::WrongPassword << "";
    QTest::newRow("hashed refuses the empty password") << "anna" << "" << Result::WrongPassword << "";
    QTest::newRow("legacy, right") << "老王" << "abc" << Result::LoggedIn << "user/老王";
    QTest::newRow("legacy, wrong") << "老王" << "abd" << Result::WrongPassword << "";
    QTest::newRow("legacy Chinese password") << "小李" << "密码123" << Result::LoggedIn << "user/小李";
    QTest::newRow("no settings file, a password") << "damaged" << "abc" << Result::WrongPassword << "";
    QTest::newRow("no settings file, empty password") << "damaged" << "" << Result::DamagedFile << "";
    QTest::newRow("removed account, empty password") << "bob" << "" << Result::DamagedFile << "";
    QTest::newRow("removed account, a password") << "bob" << "x" << Result::WrongPassword << "";
}

void tst_AccountLogin::logIn()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(Result, expected);
    QFETCH(QString, folder);

    const AccountLogin login = AccountLogin::logIn(*m_accounts, name, typed);
    QCOMPARE(login.result, expected);
    QCOMPARE(login.session.userFolder, folder.isEmpty() ? QString() : m_folder->file(folder));
}

void tst_AccountLogin::olderPasswordEntryIsReplaced_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before"); // the start of the stored value
    QTest::addColumn<QString>("refused"); // opens the account before, not after

    QTest::newRow("scrambled value") << "老王" << "959" << "ahc";
    QTest::newRow("hash of an earlier, dearer cost") << "anna" << "$argon2id$v=19$m=65536,t=2,p=1$" << "";
}

void tst_AccountLogin::olderPasswordEntryIsReplaced()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, refused);

    QVERIFY(StoredPassword::read(settingsFile(name)).startsWith(before));
    QCOMPARE(AccountLogin::logIn(*m_accounts, name, "abc").result, Result::LoggedIn);

    const QString stored = StoredPassword::read(settingsFile(name));
    QVERIFY(stored.startsWith(QStringLiteral("$argon2id$v=19$m=19456,t=2,p=1$")));
    QCOMPARE(PasswordHash::check("abc", stored), PasswordHash::Match::Hashed);
    QCOMPARE(AccountLogin::logIn(*m_accounts, name, refused).result, Result::WrongPassword);
    QCOMPARE(AccountLogin::logIn(*m_accounts, name, "abc").result, Result::LoggedIn);
    QCOMPARE(StoredPassword::read(settingsFile(name)), stored);
}

void tst_AccountLogin::legacyUpgradeKeepsTheRestOfTheFile()
{
    const QByteArray before = m_folder->read("user/老王/Deplog.ini");
    const AccountLogin login = AccountLogin::logIn(*m_accounts, "老王", "abc");
    QCOMPARE(login.result, Result::LoggedIn);
    QCOMPARE(login.session.settings.Voice, QStringLiteral("男声"));
    QCOMPARE(login.session.settings.ReciteKey, qint16(116));

    // Only the password line changed; every other line keeps its bytes.
    QList<QByteArray> oldLines = before.split('\n');
    QList<QByteArray> newLines = m_folder->read("user/老王/Deplog.ini").split('\n');
    QCOMPARE(newLines.size(), oldLines.size());
    QCOMPARE(oldLines.takeAt(1), QByteArray("password=959\r"));
    QVERIFY(newLines.takeAt(1).startsWith("password=$argon2id$"));
    QCOMPARE(newLines, oldLines);
}

void tst_AccountLogin::passwordOnlyAccountGetsRepairedSettings()
{
    const AccountLogin login = AccountLogin::logIn(*m_accounts, "小李", "密码123");
    QCOMPARE(login.result, Result::LoggedIn);
    Settings settings = login.session.settings;
    ScriptedPrompter prompter;
    QCOMPARE(CheckSettings(settings, ProgramFolder(m_folder->path()), prompter), SettingsCheck::Continue);
    QVERIFY(prompter.asked().isEmpty());
    QCOMPARE(settings.InputMeans, QStringLiteral("五笔"));
    QCOMPARE(settings.RightColor, 0xFF0000);
    QCOMPARE(settings.ErrorColor, 255);
    QCOMPARE(settings.Speed, qint16(170));
    QCOMPARE(settings.Voice, QStringLiteral("女声"));
    QCOMPARE(settings.ReciteKey, qint16(114));
    QCOMPARE(settings.CueKey, qint16(113));
    QCOMPARE(int(settings.Eplace), 1);
}

void tst_AccountLogin::missingEntryAcceptsTheEmptyPassword()
{
    QVERIFY(IniWrite("skin", "Skinpath", "", settingsFile("damaged")));
    QCOMPARE(AccountLogin::logIn(*m_accounts, "damaged", "x").result, Result::WrongPassword);
    QCOMPARE(AccountLogin::logIn(*m_accounts, "damaged", "").result, Result::LoggedIn);
    // The empty password is kept, now as a hash.
    QVERIFY(PasswordHash::isHash(StoredPassword::read(settingsFile("damaged"))));
    QCOMPARE(AccountLogin::logIn(*m_accounts, "damaged", "").result, Result::LoggedIn);
}

// A settings file that is no settings file at all, or holds a hash this
// program never writes, opens the account for no password and is left as it
// is: no hash is added to junk, no hash decides its own cost.
void tst_AccountLogin::damagedFileIsNeitherOpenedNorWritten_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("typed");

    for (const char *name : {"empty", "zeros", "random", "nul-in-value", "invalid-gbk", "no-section",
                             "control-characters"}) {
        const QString fixture = QStringLiteral("settings/broken/%1.ini").arg(QLatin1String(name));
        QTest::addRow("%s, empty password", name) << fixture << "";
        QTest::addRow("%s, a password", name) << fixture << "abc";
    }
    for (const char *name : {"costly-passes", "costly-memory", "malformed-hash"}) {
        const QString fixture = QStringLiteral("users/broken/%1.ini").arg(QLatin1String(name));
        QTest::addRow("%s, its password", name) << fixture << "abc";
        QTest::addRow("%s, empty password", name) << fixture << "";
    }
}

void tst_AccountLogin::damagedFileIsNeitherOpenedNorWritten()
{
    QFETCH(QString, fixture);
    QFETCH(QString, typed);
    const QByteArray bytes = readFixture(fixture);
    m_folder->write("user/anna/Deplog.ini", bytes);

    const AccountLogin login = AccountLogin::logIn(*m_accounts, "anna", typed);
    QCOMPARE(login.result, Result::DamagedFile);
    QCOMPARE(login.session.userFolder, QString());
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), bytes);
    QCOMPARE(QDir(m_folder->file("user/anna")).entryList(QDir::Files), QStringList{"Deplog.ini"});
}

QTEST_GUILESS_MAIN(tst_AccountLogin)
#include "tst_accountlogin.moc"
