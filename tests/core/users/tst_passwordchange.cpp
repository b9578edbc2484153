// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordChange.h"

#include "core/users/AccountLogin.h"

#include "LockedFolder.h"
#include "TestFolder.h"

#include <QTest>

#include <memory>

using Result = PasswordChange::Result;

class tst_PasswordChange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void change_data();
    void change();
    void unwritableFileKeepsTheOldPassword();
    void damagedFileIsNotWritten_data();
    void damagedFileIsNotWritten();

private:
    std::unique_ptr<TestFolder> m_folder;
};

void tst_PasswordChange::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
}

void tst_PasswordChange::change_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<Result>("expected");

    QTest::newRow("hashed account") << "anna" << "abc" << "new" << "new" << Result::Changed;
    QTest::newRow("legacy account") << "老王" << "abc" << "new" << "new" << Result::Changed;
    QTest::newRow("to the empty password") << "anna" << "abc" << "" << "" << Result::Changed;
    QTest::newRow("wrong old password") << "anna" << "abd" << "new" << "new" << Result::WrongOldPassword;
    QTest::newRow("old check before confirmation") << "anna" << "abd" << "new" << "x"
                                                   << Result::WrongOldPassword;
    QTest::newRow("confirmation differs") << "anna" << "abc" << "new" << "neu" << Result::Mismatch;
}

void tst_PasswordChange::change()
{
    QFETCH(QString, user);
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(Result, expected);

    const PasswordChange change =
        PasswordChange::change(m_folder->file("user/" + user), oldPassword, newPassword, confirmation);
    QCOMPARE(change.result, expected);

    // The password that opens the account afterwards, and the one that no longer does.
    const bool changed = expected == Result::Changed;
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(m_folder->path()))};
    QCOMPARE(AccountLogin::logIn(accounts, user, changed ? newPassword : "abc").result,
             AccountLogin::Result::LoggedIn);
    QCOMPARE(AccountLogin::logIn(accounts, user, changed ? "abc" : newPassword).result,
             AccountLogin::Result::WrongPassword);
}

void tst_PasswordChange::unwritableFileKeepsTheOldPassword()
{
    const QByteArray before = m_folder->read("user/anna/Deplog.ini");
    PasswordChange change;
    {
        const LockedFolder lock(m_folder->file("user/anna"));
        if (!lock.locked())
            QSKIP("cannot lock a folder here");
        change = PasswordChange::change(m_folder->file("user/anna"), "abc", "new", "new");
    }
    QCOMPARE(change.result, Result::Failed);
    QVERIFY(!change.error.isEmpty());
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), before);
}

void tst_PasswordChange::damagedFileIsNotWritten_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("random bytes") << "settings/broken/random.ini";
    QTest::newRow("empty file") << "settings/broken/empty.ini";
    QTest::newRow("costly hash") << "users/broken/costly-passes.ini";
}

// The old password of a damaged account is never right, not even the empty
// one its missing entry would read as.
void tst_PasswordChange::damagedFileIsNotWritten()
{
    QFETCH(QString, fixture);
    const QByteArray bytes = readFixture(fixture);
    m_folder->write("user/anna/Deplog.ini", bytes);
    for (const QString old : {"", "abc"}) {
        const PasswordChange change = PasswordChange::change(m_folder->file("user/anna"), old, "new", "new");
        QCOMPARE(change.result, Result::Failed);
        QCOMPARE(change.error, QString("已损坏的用户文件！"));
    }
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), bytes);
}

QTEST_GUILESS_MAIN(tst_PasswordChange)
#include "tst_passwordchange.moc"
