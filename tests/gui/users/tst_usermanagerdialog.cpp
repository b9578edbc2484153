// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/UserManagerDialog.h"

#include "core/users/AccountLogin.h"
#include "widgets/KorvelButton.h"

#include "LockedFolder.h"
#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using Answer = Prompter::Answer;

class tst_UserManagerDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void listsTheAccounts();
    void loggedInUserCannotBeDeleted();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void halfDeletedAccountIsReported();
    void changesThePasswordOfTheSelectedUser();

private:
    void open();
    void select(const QString &user) const;
    template<typename T> T *child(const QString &name) const;
    void click(const QString &button) const;
    QStringList listed() const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<UserManagerDialog> m_dialog;
};

void tst_UserManagerDialog::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void tst_UserManagerDialog::open()
{
    // Logged in as anna.
    m_dialog = std::make_unique<UserManagerDialog>(
        AccountsLocation::inProgramFolder(ProgramFolder(m_folder->path())), m_folder->file("user/anna"),
        *m_prompter, WindowLook::builtIn());
    m_dialog->show();
}

template<typename T> T *tst_UserManagerDialog::child(const QString &name) const
{
    T *found = m_dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void tst_UserManagerDialog::select(const QString &user) const
{
    const QList<QListWidgetItem *> items = child<QListWidget>("List1")->findItems(user, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    child<QListWidget>("List1")->setCurrentItem(items.first());
}

void tst_UserManagerDialog::click(const QString &button) const
{
    QTest::mouseClick(child<KorvelButton>(button), Qt::LeftButton);
}

QStringList tst_UserManagerDialog::listed() const
{
    QStringList names;
    const auto *list = child<QListWidget>("List1");
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

void tst_UserManagerDialog::listsTheAccounts()
{
    open();
    QCOMPARE(m_dialog->objectName(), QStringLiteral("user"));
    QVERIFY(!m_dialog->windowTitle().isEmpty());
    QCOMPARE(listed(), (QStringList{"anna", "damaged", "小李", "老王"}));
    QCOMPARE(child<KorvelButton>("KorvelButton1")->text(), QStringLiteral(" 删除用户     "));
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), QStringLiteral(" 修改密码     "));
    QCOMPARE(child<KorvelButton>("KorvelButton3")->text(), QStringLiteral("  关  闭    "));
    // Nothing selected, nothing to delete or change.
    QVERIFY(!child<KorvelButton>("KorvelButton1")->isEnabled());
    QVERIFY(!child<KorvelButton>("KorvelButton2")->isEnabled());
    select("老王");
    QCOMPARE(m_dialog->selectedUser(), QStringLiteral("老王"));
    QVERIFY(child<KorvelButton>("KorvelButton1")->isEnabled());

    click("KorvelButton3");
    QVERIFY(!m_dialog->isVisible());
}

void tst_UserManagerDialog::loggedInUserCannotBeDeleted()
{
    open();
    select("anna");
    click("KorvelButton1");
    QCOMPARE(m_prompter->texts(), QStringList{"不能删除当前用户 ！"});
    QCOMPARE(m_prompter->asked().first().title, QStringLiteral("删除用户"));
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Warning);
    QVERIFY(QFileInfo::exists(m_folder->file("user/anna/Deplog.ini")));
    QVERIFY(listed().contains("anna"));
}

void tst_UserManagerDialog::deleteAsksFirst_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << Answer::Yes << true;
    QTest::newRow("no") << Answer::No << false;
}

void tst_UserManagerDialog::deleteAsksFirst()
{
    QFETCH(Answer, answer);
    QFETCH(bool, deleted);

    open();
    select("老王");
    m_prompter->answerNext(answer);
    click("KorvelButton1");

    QCOMPARE(m_prompter->asked().size(), 1);
    const ScriptedPrompter::Asked question = m_prompter->asked().first();
    QCOMPARE(question.text, QStringLiteral("确实要删除　老王 吗？"));
    QCOMPARE(question.title, QStringLiteral("删除用户"));
    QCOMPARE(question.icon, Prompter::Icon::Warning);
    QCOMPARE(question.buttons, Prompter::Buttons::YesNo);
    // The whole folder goes, the wrong-character practice files with it.
    QCOMPARE(QFileInfo::exists(m_folder->file("user/老王")), !deleted);
    QCOMPARE(listed().contains("老王"), !deleted);
    QCOMPARE(listed().size(), deleted ? 3 : 4);
}

void tst_UserManagerDialog::halfDeletedAccountIsReported()
{
    open();
    select("老王");
    {
        const LockedFolder lock(m_folder->file("user/老王/错字练习/chinese"));
        if (!lock.locked())
            QSKIP("cannot lock a folder here");
        click("KorvelButton1");
    }
    QCOMPARE(m_prompter->asked().size(), 2);
    const ScriptedPrompter::Asked report = m_prompter->asked().at(1);
    QVERIFY(report.text.contains("老王"));
    QVERIFY(report.text.contains(m_folder->file("user/老王")));
    QCOMPARE(report.icon, Prompter::Icon::Error);
    QVERIFY(listed().contains("老王"));
}

void tst_UserManagerDialog::changesThePasswordOfTheSelectedUser()
{
    open();
    select("老王");
    QString frameTitle;
    // The password dialog is modal: answer it once it is up.
    QTimer::singleShot(0, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("FrmUserSetup"));
        frameTitle = dialog->findChild<QGroupBox *>("Frame1")->title();
        QTest::keyClicks(dialog->findChild<QLineEdit *>("Text1"), "abc");
        QTest::keyClicks(dialog->findChild<QLineEdit *>("Text2"), "new");
        QTest::keyClicks(dialog->findChild<QLineEdit *>("Text3"), "new");
        QTest::mouseClick(dialog->findChild<KorvelButton *>("KorvelButton1"), Qt::LeftButton);
    });
    click("KorvelButton2");

    QCOMPARE(frameTitle, QStringLiteral("更改用户老王密码"));
    QCOMPARE(m_prompter->texts(), QStringList{"密码更改成功，请记住新密码！"});
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(m_folder->path()))};
    QCOMPARE(AccountLogin::logIn(accounts, "老王", "new").result, AccountLogin::Result::LoggedIn);
    QCOMPARE(AccountLogin::logIn(accounts, "anna", "abc").result, AccountLogin::Result::LoggedIn);
}

QTEST_MAIN(tst_UserManagerDialog)
#include "tst_usermanagerdialog.moc"
