// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/PasswordDialog.h"

#include "core/users/AccountsLocation.h"
#include "gui/app/WindowLook.h"
#include "gui/users/LoginWindow.h"
#include "gui/users/SingleInstance.h"
#include "widgets/KorvelButton.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

class tst_PasswordDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensOnTheOldPassword();
    void refusals_data();
    void refusals();
    void oldPasswordNoLongerLogsIn();
    void cancelLeavesThePassword();

private:
    void open(const QString &user);
    template<typename T> T *child(const QString &name) const;
    void fill(const QString &oldPassword, const QString &newPassword, const QString &confirmation);
    void click(const QString &button) const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<PasswordDialog> m_dialog;
};

void tst_PasswordDialog::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void tst_PasswordDialog::open(const QString &user)
{
    m_dialog = std::make_unique<PasswordDialog>(user, m_folder->file("user/" + user), *m_prompter,
                                                WindowLook::builtIn());
    m_dialog->show();
}

template<typename T> T *tst_PasswordDialog::child(const QString &name) const
{
    T *found = m_dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void tst_PasswordDialog::fill(const QString &oldPassword, const QString &newPassword,
                              const QString &confirmation)
{
    QTest::keyClicks(child<QLineEdit>("Text1"), oldPassword);
    QTest::keyClicks(child<QLineEdit>("Text2"), newPassword);
    QTest::keyClicks(child<QLineEdit>("Text3"), confirmation);
}

void tst_PasswordDialog::click(const QString &button) const
{
    QTest::mouseClick(child<KorvelButton>(button), Qt::LeftButton);
}

void tst_PasswordDialog::opensOnTheOldPassword()
{
    open("anna");
    QCOMPARE(m_dialog->objectName(), QStringLiteral("FrmUserSetup"));
    QVERIFY(!m_dialog->windowTitle().isEmpty());
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("更改用户anna密码"));
    QCOMPARE(child<KorvelButton>("KorvelButton1")->text(), QStringLiteral(" 确  定   "));
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), QStringLiteral("取　消　　　"));
    QCOMPARE(m_dialog->focusWidget(), child<QLineEdit>("Text1"));
    for (const char *box : {"Text1", "Text2", "Text3"})
        QCOMPARE(child<QLineEdit>(box)->echoMode(), QLineEdit::Password);
}

void tst_PasswordDialog::refusals_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("emptied"); // boxes left empty
    QTest::addColumn<QString>("focus");

    QTest::newRow("wrong old password") << "abd" << "new" << "new" << "原密码不正确 ！"
                                        << QStringList{"Text1"} << "Text1";
    QTest::newRow("scrambles alike is still wrong") << "ahc" << "new" << "new" << "原密码不正确 ！"
                                                    << QStringList{"Text1"} << "Text1";
    QTest::newRow("confirmation differs") << "abc" << "new" << "neu" << "密码输入不一致 ！"
                                          << QStringList{"Text2", "Text3"} << "Text2";
}

void tst_PasswordDialog::refusals()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QStringList, emptied);
    QFETCH(QString, focus);

    const QByteArray before = m_folder->read("user/anna/Deplog.ini");
    open("anna");
    fill(oldPassword, newPassword, confirmation);
    click("KorvelButton1");

    QCOMPARE(m_prompter->texts(), QStringList{message});
    QCOMPARE(m_prompter->asked().first().title, QStringLiteral("提示"));
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Warning);
    for (const char *box : {"Text1", "Text2", "Text3"})
        QCOMPARE(child<QLineEdit>(box)->text().isEmpty(), emptied.contains(box));
    QCOMPARE(m_dialog->focusWidget(), child<QLineEdit>(focus));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), before);
}

void tst_PasswordDialog::oldPasswordNoLongerLogsIn()
{
    open("anna");
    fill("abc", "new", "new");
    click("KorvelButton1");
    QCOMPARE(m_prompter->texts(), QStringList{"密码更改成功，请记住新密码！"});
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Information);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

    // At the next start the old password is refused.
    m_prompter->clear();
    SingleInstance instance(m_folder->path());
    const ProgramFolder program(m_folder->path());
    LoginWindow login(program, AccountsLocation::inProgramFolder(program), *m_prompter);
    QVERIFY(login.start(instance));
    login.findChild<QComboBox *>("Combo1")->setCurrentText("anna");
    QTest::keyClicks(login.findChild<QLineEdit *>("Text1"), "abc");
    QTest::keyClick(login.findChild<QLineEdit *>("Text1"), Qt::Key_Return);
    QCOMPARE(m_prompter->texts(), QStringList{"密码不正确 ！"});
}

void tst_PasswordDialog::cancelLeavesThePassword()
{
    const QByteArray before = m_folder->read("user/anna/Deplog.ini");
    open("anna");
    fill("abc", "new", "new");
    click("KorvelButton2");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(m_prompter->asked().isEmpty());
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), before);
}

QTEST_MAIN(tst_PasswordDialog)
#include "tst_passworddialog.moc"
