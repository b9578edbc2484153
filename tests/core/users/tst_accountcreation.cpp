// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountCreation.h"

#include "core/settings/SettingsFile.h"
#include "core/users/AccountLogin.h"
#include "core/users/AccountsFolder.h"
#include "core/users/PasswordHash.h"
#include "core/users/StoredPassword.h"

#include "LockedFolder.h"
#include "TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <memory>

using Result = AccountCreation::Result;
using UserNameRules::Problem;

class tst_AccountCreation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refused_data();
    void refused();
    void createdAccountHoldsItsFiles();
    void createdAccountLogsIn_data();
    void createdAccountLogsIn();
    void takenNameLeavesTheAccountUntouched_data();
    void takenNameLeavesTheAccountUntouched();
    void firstAccountMakesTheAccountsFolder();
    void failurePartWayLeavesNoAccount();
    void unwritableAccountsFolderFails();

private:
    ProgramFolder program() const { return ProgramFolder(m_folder->path()); }
    AccountsFolder accounts() const
    {
        return AccountsFolder(AccountsLocation::inProgramFolder(ProgramFolder(m_folder->path())));
    }
    std::unique_ptr<TestFolder> m_folder;
};

void tst_AccountCreation::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
}

void tst_AccountCreation::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<Result>("expected");
    QTest::addColumn<Problem>("problem");

    QTest::newRow("empty name") << "" << "a" << "a" << Result::BadName << Problem::Empty;
    QTest::newRow("0abc") << "0abc" << "" << "" << Result::BadName << Problem::LeadingDigit;
    QTest::newRow("9abc") << "9abc" << "" << "" << Result::BadName << Problem::LeadingDigit;
    QTest::newRow("5abc") << "5abc" << "" << "" << Result::BadName << Problem::LeadingDigit;
    QTest::newRow("name checks before passwords") << "5abc" << "a" << "b" << Result::BadName
                                                  << Problem::LeadingDigit;
    QTest::newRow("path as name") << "../evil" << "" << "" << Result::BadName
                                  << Problem::ForbiddenCharacter;
    QTest::newRow("passwords differ") << "bob" << "abc" << "abd" << Result::PasswordsDiffer
                                      << Problem::None;
}

void tst_AccountCreation::refused()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(Result, expected);
    QFETCH(Problem, problem);

    const QStringList before = accounts().users();
    const AccountCreation creation = AccountCreation::create(accounts(), name, password, confirmation);
    QCOMPARE(creation.result, expected);
    QCOMPARE(creation.problem, problem);
    QCOMPARE(accounts().users(), before);
    QVERIFY(!QFileInfo::exists(m_folder->file("evil")));
}

void tst_AccountCreation::createdAccountHoldsItsFiles()
{
    const AccountCreation creation = AccountCreation::create(accounts(), "a1", "secret", "secret");
    QCOMPARE(creation.result, Result::Created);

    // "警告.txt" is the program's "warning", byte for byte.
    QCOMPARE(m_folder->read("user/a1/警告.txt"), m_folder->read("warning"));

    // "Deplog.ini" begins with the hashed password, then a new user's settings.
    const QString file = m_folder->file("user/a1/Deplog.ini");
    const QList<QByteArray> lines = m_folder->read("user/a1/Deplog.ini").split('\n');
    QCOMPARE(lines.at(0), QByteArray("[user]\r"));
    QVERIFY(lines.at(1).startsWith("password=$argon2id$"));
    QCOMPARE(lines.at(2), QByteArray("[skin]\r"));
    QCOMPARE(PasswordHash::check("secret", StoredPassword::read(file)), PasswordHash::Match::Hashed);

    Settings expected;
    DefaultSettings(expected, program());
    QCOMPARE(LoadSettings(file, program()), std::optional<Settings>(expected));
}

void tst_AccountCreation::createdAccountLogsIn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("a1") << "a1" << "abc";
    QTest::newRow("empty password") << "bob" << "";
    QTest::newRow("Chinese name and password") << "张三" << "密码";
}

void tst_AccountCreation::createdAccountLogsIn()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QCOMPARE(AccountCreation::create(accounts(), name, password, password).result, Result::Created);
    const AccountsFolder accounts = this->accounts();
    QVERIFY(accounts.users().contains(name));
    QCOMPARE(AccountLogin::logIn(accounts, name, password).result, AccountLogin::Result::LoggedIn);
    QCOMPARE(AccountLogin::logIn(accounts, name, password + "x").result,
             AccountLogin::Result::WrongPassword);
}

void tst_AccountCreation::takenNameLeavesTheAccountUntouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("same spelling") << "anna";
    QTest::newRow("other case") << "ANNA";
}

void tst_AccountCreation::takenNameLeavesTheAccountUntouched()
{
    QFETCH(QString, name);
    const QByteArray before = m_folder->read("user/anna/Deplog.ini");
    const AccountCreation creation = AccountCreation::create(accounts(), name, "other", "other");
    QCOMPARE(creation.result, Result::NameTaken);
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), before);
    QCOMPARE(QDir(m_folder->file("user/anna")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Deplog.ini"});
    QCOMPARE(accounts().users(), (QStringList{"anna", "damaged", "小李", "老王"}));
}

void tst_AccountCreation::firstAccountMakesTheAccountsFolder()
{
    TestFolder empty;
    empty.write("warning", "w");
    const AccountCreation creation = AccountCreation::create(
        AccountsFolder(AccountsLocation::inProgramFolder(ProgramFolder(empty.path()))), "a1", "", "");
    QCOMPARE(creation.result, Result::Created);
    QVERIFY(QFileInfo(empty.file("User/a1/Deplog.ini")).isFile());
}

void tst_AccountCreation::failurePartWayLeavesNoAccount()
{
    QVERIFY(QFile::remove(m_folder->file("warning")));
    const AccountCreation creation = AccountCreation::create(accounts(), "bob", "abc", "abc");
    QCOMPARE(creation.result, Result::Failed);
    QVERIFY(creation.error.contains("warning"));
    QVERIFY(!QFileInfo::exists(m_folder->file("user/bob")));
    QVERIFY(!accounts().users().contains("bob"));
}

void tst_AccountCreation::unwritableAccountsFolderFails()
{
    const LockedFolder lock(m_folder->file("user"));
    if (!lock.locked())
        QSKIP("cannot lock a folder here");
    const AccountCreation creation = AccountCreation::create(accounts(), "bob", "abc", "abc");
    QCOMPARE(creation.result, Result::Failed);
    QVERIFY(!creation.error.isEmpty());
    QVERIFY(!QFileInfo::exists(m_folder->file("user/bob")));
}

QTEST_GUILESS_MAIN(tst_AccountCreation)
#include "tst_accountcreation.moc"
