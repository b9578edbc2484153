// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountsFolder.h"

#include "LockedFolder.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using Creation = AccountsFolder::Creation;

class tst_AccountsFolder : public QObject
{
    Q_OBJECT

private slots:
    void listsSubfoldersOnly();
    void noAccountsFolderMeansNoAccounts();
    void accountsFolderInAnyCase_data();
    void accountsFolderInAnyCase();
    void userFolder_data();
    void userFolder();
    void createMakesTheAccountsFolder();
    void createRefusesATakenName_data();
    void createRefusesATakenName();
    void createNeverLeavesTheAccountsFolder_data();
    void createNeverLeavesTheAccountsFolder();
    void removeTakesSubfoldersToo();
    void removeReportsWhatIsLeft();
    void removeOfALinkedAccountKeepsItsTarget();
};

void tst_AccountsFolder::listsSubfoldersOnly()
{
    TestFolder folder;
    folder.copyFixture("users/accounts");
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QCOMPARE(accounts.users(), (QStringList{"anna", "damaged", "小李", "老王"}));
}

void tst_AccountsFolder::noAccountsFolderMeansNoAccounts()
{
    TestFolder folder;
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QVERIFY(accounts.users().isEmpty());
    folder.makeFolder("user");
    QVERIFY(accounts.users().isEmpty());
}

void tst_AccountsFolder::accountsFolderInAnyCase_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::newRow("user") << "user";
    QTest::newRow("USER") << "USER";
    QTest::newRow("User") << "User";
}

void tst_AccountsFolder::accountsFolderInAnyCase()
{
    QFETCH(QString, spelling);
    TestFolder folder;
    folder.makeFolder(spelling + "/anna");
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QCOMPARE(accounts.path(), folder.file(spelling));
    QCOMPARE(accounts.users(), QStringList{"anna"});

    QString created;
    QCOMPARE(accounts.createUserFolder("bob", &created), Creation::Created);
    QCOMPARE(created, folder.file(spelling + "/bob"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{spelling});
}

void tst_AccountsFolder::userFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // relative to the program folder; empty: no account

    QTest::newRow("listed name") << "anna" << "user/anna";
    QTest::newRow("other case") << "ANNA" << "user/anna";
    QTest::newRow("Chinese name") << "老王" << "user/老王";
    QTest::newRow("unknown name") << "bob" << "";
    QTest::newRow("a file is no account") << "readme.txt" << "";
    QTest::newRow("empty name") << "" << "";
    QTest::newRow("parent folder") << ".." << "";
    QTest::newRow("path below an account") << "老王/错字练习" << "";
}

void tst_AccountsFolder::userFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    TestFolder folder;
    folder.copyFixture("users/accounts");
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    const std::optional<QString> found = accounts.userFolder(name);
    if (expected.isEmpty())
        QVERIFY(!found);
    else
        QCOMPARE(found.value_or(QString()), folder.file(expected));
}

void tst_AccountsFolder::createMakesTheAccountsFolder()
{
    TestFolder folder;
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QString created;
    QCOMPARE(accounts.createUserFolder("a1", &created), Creation::Created);
    QCOMPARE(created, folder.file("User/a1"));
    QVERIFY(QFileInfo(created).isDir());
    QCOMPARE(accounts.users(), QStringList{"a1"});
}

void tst_AccountsFolder::createRefusesATakenName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("same spelling") << "anna";
    QTest::newRow("other case") << "Anna";
    QTest::newRow("name of a file there") << "README.TXT";
}

void tst_AccountsFolder::createRefusesATakenName()
{
    QFETCH(QString, name);
    TestFolder folder;
    folder.copyFixture("users/accounts");
    const QStringList before = allEntries(folder.path());
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QString created;
    QCOMPARE(accounts.createUserFolder(name, &created), Creation::NameTaken);
    QVERIFY(created.isEmpty());
    QCOMPARE(allEntries(folder.path()), before);
}

void tst_AccountsFolder::createNeverLeavesTheAccountsFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "..";
    QTest::newRow("climbing with slashes") << "../../escaped";
    QTest::newRow("climbing with backslashes") << "..\\escaped";
    QTest::newRow("absolute path") << "/tmp/escaped";
    QTest::newRow("nested folder") << "a/b";
    QTest::newRow("empty") << "";
}

void tst_AccountsFolder::createNeverLeavesTheAccountsFolder()
{
    QFETCH(QString, name);
    TestFolder folder;
    folder.makeFolder("program/user");
    const QStringList before = allEntries(folder.path());
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.file("program")))};
    QString error;
    QCOMPARE(accounts.createUserFolder(name, nullptr, &error), Creation::Failed);
    QVERIFY(!error.isEmpty());
    QCOMPARE(allEntries(folder.path()), before);
    QVERIFY(!QFileInfo::exists("/tmp/escaped"));
}

void tst_AccountsFolder::removeTakesSubfoldersToo()
{
    TestFolder folder;
    folder.copyFixture("users/accounts");
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QVERIFY(QFileInfo::exists(folder.file("user/老王/错字练习/chinese/错字.lmf")));
    QString error;
    QVERIFY(accounts.removeUser("老王", &error));
    QVERIFY(!QFileInfo::exists(folder.file("user/老王")));
    QCOMPARE(accounts.users(), (QStringList{"anna", "damaged", "小李"}));
}

void tst_AccountsFolder::removeReportsWhatIsLeft()
{
    TestFolder folder;
    folder.copyFixture("users/accounts");
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.path()))};
    QString error;
    {
        const LockedFolder lock(folder.file("user/老王/错字练习/chinese"));
        if (!lock.locked())
            QSKIP("cannot lock a folder here");
        QVERIFY(!accounts.removeUser("老王", &error));
    }
    QCOMPARE(error, folder.file("user/老王"));
    // What could go is gone, the rest is still listed as an account.
    QVERIFY(!QFileInfo::exists(folder.file("user/老王/Deplog.ini")));
    QVERIFY(QFileInfo::exists(folder.file("user/老王/错字练习/chinese/错字.lmf")));
    QVERIFY(accounts.users().contains("老王"));
}

void tst_AccountsFolder::removeOfALinkedAccountKeepsItsTarget()
{
    TestFolder folder;
    folder.write("elsewhere/keep.txt", "x");
    folder.makeFolder("program/user");
    QVERIFY(QFile::link(folder.file("elsewhere"), folder.file("program/user/linked")));
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(folder.file("program")))};
    QCOMPARE(accounts.users(), QStringList{"linked"});
    QVERIFY(accounts.removeUser("linked"));
    QVERIFY(accounts.users().isEmpty());
    QVERIFY(QFileInfo::exists(folder.file("elsewhere/keep.txt")));
}

QTEST_GUILESS_MAIN(tst_AccountsFolder)
#include "tst_accountsfolder.moc"
