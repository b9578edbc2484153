// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountsLocation.h"

#include "core/users/AccountCreation.h"
#include "core/users/AccountLogin.h"
#include "core/users/AccountsFolder.h"

#include "LockedFolder.h"
#include "TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

using Place = AccountsLocation::Place;

namespace {

// A program folder and a data home side by side in one scratch folder:
// "program/" (empty, the accounts fixture, or with a file named "User") and
// "home/" (or no "home/" at all, only the scratch folder above it).
struct Rig
{
    TestFolder scratch;
    QString program() const { return scratch.file("program"); }
    QString home() const { return scratch.file("home"); }
};

} // namespace

class tst_AccountsLocation : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void accountInTheDataHome();
    void unwritableRefusesNewAccounts();
};

void tst_AccountsLocation::choose_data()
{
    QTest::addColumn<QString>("program");   // "empty", "accounts" (has "user/"), "user file"
    QTest::addColumn<QString>("locked");    // folders made read-only: "program", "user", "home"
    QTest::addColumn<QString>("dataHome");  // "home", "missing home" (not created yet), "none"
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("path");      // below the scratch folder

    QTest::newRow("build folder: writable, no accounts yet")
        << "empty" << "" << "home" << Place::ProgramFolder << "program/User";
    QTest::newRow("existing accounts folder keeps its spelling")
        << "accounts" << "" << "home" << Place::ProgramFolder << "program/user";
    QTest::newRow("shared folder: read-only program, writable accounts folder")
        << "accounts" << "program" << "home" << Place::ProgramFolder << "program/user";
    QTest::newRow("installed: read-only program folder")
        << "empty" << "program" << "home" << Place::DataHome << "home/qintara/user";
    QTest::newRow("read-only accounts folder in a writable program folder")
        << "accounts" << "user" << "home" << Place::DataHome << "home/qintara/user";
    QTest::newRow("accounts name taken by a file")
        << "user file" << "" << "home" << Place::DataHome << "home/qintara/user";
    QTest::newRow("data home not made yet")
        << "empty" << "program" << "missing home" << Place::DataHome << "home/qintara/user";
    QTest::newRow("data home read-only too")
        << "empty" << "program home" << "home" << Place::Unwritable << "program/User";
    QTest::newRow("accounts and data home both read-only")
        << "accounts" << "user home" << "home" << Place::Unwritable << "program/user";
    QTest::newRow("no data home")
        << "empty" << "program" << "none" << Place::Unwritable << "program/User";
}

void tst_AccountsLocation::choose()
{
    QFETCH(QString, program);
    QFETCH(QString, locked);
    QFETCH(QString, dataHome);
    QFETCH(Place, place);
    QFETCH(QString, path);

    Rig rig;
    if (program == "accounts") {
        QVERIFY(QDir().mkpath(rig.program()));
        rig.scratch.copyFixture("users/accounts");
        QVERIFY(QDir(rig.scratch.path()).rename("user", "program/user"));
    } else if (program == "user file") {
        rig.scratch.write("program/User", "not a folder");
    } else {
        rig.scratch.makeFolder("program");
    }
    if (dataHome == "home")
        rig.scratch.makeFolder("home");

    // Locked last: nothing can be set up inside a locked folder.
    std::vector<std::unique_ptr<LockedFolder>> locks;
    for (const QString &folder : locked.split(' ', Qt::SkipEmptyParts)) {
        const QString real = folder == "user" ? rig.scratch.file("program/user") : rig.scratch.file(folder);
        locks.push_back(std::make_unique<LockedFolder>(real));
        if (!locks.back()->locked())
            QSKIP("cannot lock a folder here");
    }
    const QStringList before = allEntries(rig.scratch.path());

    const AccountsLocation location =
        AccountsLocation::choose(ProgramFolder(rig.program()), dataHome == "none" ? QString() : rig.home());
    QCOMPARE(location.place, place);
    QCOMPARE(location.path, rig.scratch.file(path));
    QCOMPARE(location.program.root(), rig.program());
    QCOMPARE(location.error.isEmpty(), place != Place::Unwritable);
    if (place == Place::Unwritable) {
        // The message names where it tried, so the user can fix either.
        QVERIFY2(location.error.contains(location.path), qPrintable(location.error));
        if (dataHome != "none")
            QVERIFY2(location.error.contains(rig.home()), qPrintable(location.error));
    }
    // Choosing creates nothing, not even the probe files.
    QCOMPARE(allEntries(rig.scratch.path()), before);
}

void tst_AccountsLocation::accountInTheDataHome()
{
    // An installed program: accounts go to the data home, while the warning
    // copied into a new account still comes from the program folder.
    Rig rig;
    rig.scratch.makeFolder("program");
    rig.scratch.write("program/warning", "read me");
    const LockedFolder lock(rig.program());
    if (!lock.locked())
        QSKIP("cannot lock a folder here");

    const AccountsLocation location = AccountsLocation::choose(ProgramFolder(rig.program()), rig.home());
    QCOMPARE(location.place, Place::DataHome);
    const AccountsFolder accounts(location);
    const AccountCreation creation = AccountCreation::create(accounts, "a1", "pw", "pw");
    QCOMPARE(creation.result, AccountCreation::Result::Created);
    QCOMPARE(accounts.users(), QStringList{"a1"});
    QCOMPARE(rig.scratch.read("home/qintara/user/a1/警告.txt"), QByteArray("read me"));
    QVERIFY(QFileInfo(rig.scratch.file("home/qintara/user/a1/Deplog.ini")).isFile());
    QCOMPARE(allEntries(rig.program()), QStringList{"warning"});

    const AccountLogin login = AccountLogin::logIn(accounts, "A1", "pw");
    QCOMPARE(login.result, AccountLogin::Result::LoggedIn);
    QCOMPARE(login.session.userFolder, rig.scratch.file("home/qintara/user/a1"));

    // Once the accounts folder is there, the rule keeps choosing it.
    QCOMPARE(AccountsLocation::choose(ProgramFolder(rig.program()), rig.home()).path, location.path);
}

void tst_AccountsLocation::unwritableRefusesNewAccounts()
{
    Rig rig;
    rig.scratch.makeFolder("program");
    rig.scratch.write("program/warning", "read me");
    const LockedFolder lock(rig.program());
    if (!lock.locked())
        QSKIP("cannot lock a folder here");

    const AccountsFolder accounts(AccountsLocation::choose(ProgramFolder(rig.program()), QString()));
    QCOMPARE(accounts.location().place, Place::Unwritable);
    QVERIFY(accounts.users().isEmpty());
    const AccountCreation creation = AccountCreation::create(accounts, "a1", "pw", "pw");
    QCOMPARE(creation.result, AccountCreation::Result::Failed);
    QCOMPARE(creation.error, accounts.location().error);
    QCOMPARE(allEntries(rig.scratch.path()), (QStringList{"program", "program/warning"}));
}

QTEST_GUILESS_MAIN(tst_AccountsLocation)
#include "tst_accountslocation.moc"
