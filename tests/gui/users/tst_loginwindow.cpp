// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/LoginWindow.h"

#include "core/users/PasswordHash.h"
#include "core/users/StoredPassword.h"
#include "gui/users/SingleInstance.h"
#include "gui/app/CaptionButton.h"
#include "gui/app/WindowAccessibility.h"
#include "widgets/KorvelButton.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

using Icon = Prompter::Icon;

namespace {

const QString newUserCaption = QStringLiteral(" 新建用户　　　 ");
const QString cancelCaption = QStringLiteral(" 取   消   ");

// Counts the close events of a window: closing a program's last ordinary
// window ends the program, hiding it does not.
struct CloseCounter : QObject
{
    explicit CloseCounter(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++count;
        return false;
    }
    int count = 0;
};

} // namespace

class tst_LoginWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondCopyIsRefused();
    void opensOnTheLoginPanel();
    void noAccountOpensOnTheNewUserPanel_data();
    void noAccountOpensOnTheNewUserPanel();
    void secondButtonSwitchesPanels();
    void closePictureEndsWithoutLogin();

    void enterInThePasswordBoxLogsIn_data();
    void enterInThePasswordBoxLogsIn();
    void wrongPasswordIsRefused_data();
    void wrongPasswordIsRefused();
    void damagedAccountIsReported();
    void missingInputMethodsEndTheProgram();

    void creationIsRefused_data();
    void creationIsRefused();
    void createdAccountLogsIn_data();
    void createdAccountLogsIn();
    void firstAccountOpensTheWayToLogin();
    void failedCreationStaysOnTheNewUserPanel();

private:
    // Starts the window on the fixture program folder.
    void start();
    template<typename T> T *child(const QString &name) const;
    void click(const QString &button) const;
    void type(const QString &box, const QString &text) const;
    QWidget *focused() const { return m_window->focusWidget(); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<LoginWindow> m_window;
    std::optional<QString> m_loggedInFolder;
    Settings m_settings;
};

void tst_LoginWindow::init()
{
    registerWindowAccessibility();
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture("users/accounts");
    m_instance = std::make_unique<SingleInstance>(m_folder->path());
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_loggedInFolder.reset();
}

void tst_LoginWindow::cleanup()
{
    m_window.reset();
    m_instance.reset();
}

void tst_LoginWindow::start()
{
    const ProgramFolder program(m_folder->path());
    m_window = std::make_unique<LoginWindow>(program, AccountsLocation::inProgramFolder(program),
                                             *m_prompter);
    connect(m_window.get(), &LoginWindow::loggedIn, this,
            [this](const UserSession &session) {
                m_loggedInFolder = session.userFolder;
                m_settings = session.settings;
            });
    QVERIFY(m_window->start(*m_instance));
}

template<typename T> T *tst_LoginWindow::child(const QString &name) const
{
    T *found = m_window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void tst_LoginWindow::click(const QString &button) const
{
    QTest::mouseClick(child<KorvelButton>(button), Qt::LeftButton);
}

void tst_LoginWindow::type(const QString &box, const QString &text) const
{
    auto *edit = child<QLineEdit>(box);
    edit->setFocus();
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (ascii) {
        QTest::keyClicks(edit, text);
        return;
    }
    // Chinese arrives from an input method as committed text.
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(edit, &commit);
}

void tst_LoginWindow::secondCopyIsRefused()
{
    QVERIFY(m_instance->claim());
    SingleInstance secondCopy(m_folder->path());
    const ProgramFolder program(m_folder->path());
    LoginWindow window(program, AccountsLocation::inProgramFolder(program), *m_prompter);
    QVERIFY(!window.start(secondCopy));
    QVERIFY(!window.isVisible());
    QCOMPARE(m_prompter->asked().size(), 1);
    QCOMPARE(m_prompter->asked().first().text, QStringLiteral("程序已经运行，不能再次装载。"));
    QCOMPARE(m_prompter->asked().first().icon, Icon::Warning);
}

void tst_LoginWindow::opensOnTheLoginPanel()
{
    start();
    QCOMPARE(m_window->objectName(), QStringLiteral("enter"));
    QVERIFY(!m_window->windowTitle().isEmpty());
    // Frameless, it still reaches screen readers as a window with its title.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_window.get());
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), m_window->windowTitle());
    QVERIFY(child<QGroupBox>("Frame1")->isVisible());
    QVERIFY(!child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("用户登录"));
    QCOMPARE(child<QGroupBox>("Frame2")->title(), QStringLiteral("新建用户"));
    auto *users = child<QComboBox>("Combo1");
    QCOMPARE(users->count(), 4);
    QCOMPARE(users->currentText(), QStringLiteral("anna"));
    QCOMPARE(child<KorvelButton>("KorvelButton1")->text(), QStringLiteral(" 确  定   "));
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), newUserCaption);
    QVERIFY(child<KorvelButton>("KorvelButton2")->isEnabled());
    // A returning user just types the password and presses Enter.
    QCOMPARE(focused(), child<QLineEdit>("Text1"));
    QCOMPARE(child<QLineEdit>("Text1")->echoMode(), QLineEdit::Password);
}

void tst_LoginWindow::noAccountOpensOnTheNewUserPanel_data()
{
    QTest::addColumn<bool>("accountsFolder");
    QTest::newRow("no accounts folder") << false;
    QTest::newRow("empty accounts folder") << true;
}

void tst_LoginWindow::noAccountOpensOnTheNewUserPanel()
{
    QFETCH(bool, accountsFolder);
    QVERIFY(QDir(m_folder->file("user")).removeRecursively());
    if (accountsFolder)
        m_folder->makeFolder("USER");
    start();
    QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
    QVERIFY(child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), cancelCaption);
    QVERIFY(!child<KorvelButton>("KorvelButton2")->isEnabled());
    QCOMPARE(focused(), child<QLineEdit>("Text2"));

    click("KorvelButton2");
    QVERIFY(child<QGroupBox>("Frame2")->isVisible());
}

void tst_LoginWindow::secondButtonSwitchesPanels()
{
    start();
    type("Text2", "left over");
    click("KorvelButton2");
    QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
    QVERIFY(child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), cancelCaption);
    QVERIFY(child<QLineEdit>("Text2")->text().isEmpty());
    QCOMPARE(focused(), child<QLineEdit>("Text2"));

    type("Text3", "abc");
    type("Text4", "abc");
    click("KorvelButton2");
    QVERIFY(child<QGroupBox>("Frame1")->isVisible());
    QVERIFY(!child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), newUserCaption);
    QVERIFY(child<QLineEdit>("Text3")->text().isEmpty());
    QVERIFY(child<QLineEdit>("Text4")->text().isEmpty());
    QCOMPARE(focused(), child<QLineEdit>("Text1"));
    QVERIFY(m_prompter->asked().isEmpty());
}

void tst_LoginWindow::closePictureEndsWithoutLogin()
{
    start();
    CloseCounter closes(m_window.get());
    QTest::mouseClick(child<CaptionButton>("Picture1"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_loggedInFolder);
    QCOMPARE(closes.count, 1);
}

void tst_LoginWindow::enterInThePasswordBoxLogsIn_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("reciteKey"); // after the settings check

    QTest::newRow("hashed account") << "anna" << "abc" << 116;
    QTest::newRow("account of the old program") << "老王" << "abc" << 116;
    QTest::newRow("account with only its password") << "小李" << "密码123" << 114;
}

void tst_LoginWindow::enterInThePasswordBoxLogsIn()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, reciteKey);

    start();
    child<QComboBox>("Combo1")->setCurrentText(user);
    type("Text1", password);
    // The splash that takes over is no ordinary window: closing the login
    // window, the last ordinary one, would end the program.
    CloseCounter closes(m_window.get());
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);

    QCOMPARE(closes.count, 0);
    QVERIFY(m_prompter->asked().isEmpty());
    QCOMPARE(m_loggedInFolder.value_or(QString()), m_folder->file("user/" + user));
    QCOMPARE(int(m_settings.ReciteKey), reciteKey);
    QVERIFY(!m_window->isVisible());
    QVERIFY(PasswordHash::isHash(StoredPassword::read(m_folder->file("user/" + user + "/Deplog.ini"))));
}

void tst_LoginWindow::wrongPasswordIsRefused_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");

    QTest::newRow("wrong password") << "anna" << "abd";
    QTest::newRow("hashed account, scrambles alike") << "anna" << "ahc";
    QTest::newRow("old account, wrong password") << "老王" << "abd";
}

void tst_LoginWindow::wrongPasswordIsRefused()
{
    QFETCH(QString, user);
    QFETCH(QString, password);

    start();
    child<QComboBox>("Combo1")->setCurrentText(user);
    type("Text1", password);
    click("KorvelButton1");

    QCOMPARE(m_prompter->texts(), QStringList{"密码不正确 ！"});
    QCOMPARE(m_prompter->asked().first().title, QStringLiteral("提示"));
    QCOMPARE(m_prompter->asked().first().icon, Icon::Warning);
    QVERIFY(child<QLineEdit>("Text1")->text().isEmpty());
    QCOMPARE(focused(), child<QLineEdit>("Text1"));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_loggedInFolder);
}

void tst_LoginWindow::damagedAccountIsReported()
{
    start();
    child<QComboBox>("Combo1")->setCurrentText("damaged");
    click("KorvelButton1");
    QCOMPARE(m_prompter->texts(), QStringList{"已损坏的用户文件！"});
    QCOMPARE(m_prompter->asked().first().icon, Icon::Error);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_loggedInFolder);
}

void tst_LoginWindow::missingInputMethodsEndTheProgram()
{
    QVERIFY(QDir(m_folder->file("chinese")).removeRecursively());
    start();
    type("Text1", "abc");
    click("KorvelButton1");
    QCOMPARE(m_prompter->texts(), QStringList{"没有输入法支持文件，请重新安装软件！"});
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_loggedInFolder);
}

void tst_LoginWindow::creationIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("nameAfter");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name") << "" << "a" << "a" << "用户名不能为空 ！" << "" << "Text2";
    QTest::newRow("0abc") << "0abc" << "" << "" << "用户名首字符不能为数字 ！" << "" << "Text2";
    QTest::newRow("9abc") << "9abc" << "" << "" << "用户名首字符不能为数字 ！" << "" << "Text2";
    QTest::newRow("5abc") << "5abc" << "" << "" << "用户名首字符不能为数字 ！" << "" << "Text2";
    QTest::newRow("path as name") << "../x" << "" << ""
                                  << "用户名不能含有 \\ / : * ? \" < > | 等字符 ！" << "" << "Text2";
    QTest::newRow("trailing space") << "bob " << "" << "" << "用户名首尾不能是空格或句点 ！" << ""
                                    << "Text2";
    QTest::newRow("passwords differ") << "bob" << "abc" << "abd" << "密码输入不一致 ！" << "bob"
                                      << "Text3";
    QTest::newRow("existing name") << "anna" << "x" << "x" << "已有的用户名 ！" << "" << "Text2";
    QTest::newRow("existing name in other case") << "Anna" << "x" << "x" << "已有的用户名 ！" << ""
                                                 << "Text2";
}

void tst_LoginWindow::creationIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, nameAfter);
    QFETCH(QString, focus);

    const QByteArray annaBefore = m_folder->read("user/anna/Deplog.ini");
    start();
    click("KorvelButton2");
    type("Text2", name);
    type("Text3", password);
    type("Text4", confirmation);
    click("KorvelButton1");

    QCOMPARE(m_prompter->texts(), QStringList{message});
    QCOMPARE(m_prompter->asked().first().title, QStringLiteral("提示"));
    QCOMPARE(m_prompter->asked().first().icon, Icon::Warning);
    QCOMPARE(child<QLineEdit>("Text2")->text(), nameAfter);
    QCOMPARE(focused(), child<QLineEdit>(focus));
    QVERIFY(child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<QComboBox>("Combo1")->count(), 4);
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), annaBefore);
    QVERIFY(!QFileInfo::exists(m_folder->file("x")));
}

void tst_LoginWindow::createdAccountLogsIn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("a1") << "a1" << "abc";
    QTest::newRow("empty password") << "bob" << "";
}

void tst_LoginWindow::createdAccountLogsIn()
{
    QFETCH(QString, name);
    QFETCH(QString, password);

    start();
    click("KorvelButton2");
    type("Text2", name);
    type("Text3", password);
    type("Text4", password);
    click("KorvelButton1");

    QVERIFY(m_prompter->asked().isEmpty());
    QVERIFY(child<QGroupBox>("Frame1")->isVisible());
    QVERIFY(!child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), newUserCaption);
    auto *users = child<QComboBox>("Combo1");
    QCOMPARE(users->count(), 5);
    QCOMPARE(users->currentIndex(), 0);
    QVERIFY(QFileInfo::exists(m_folder->file("user/" + name + "/警告.txt")));

    users->setCurrentText(name);
    type("Text1", password);
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);
    QVERIFY(m_prompter->asked().isEmpty());
    QCOMPARE(m_loggedInFolder.value_or(QString()), m_folder->file("user/" + name));
}

void tst_LoginWindow::firstAccountOpensTheWayToLogin()
{
    QVERIFY(QDir(m_folder->file("user")).removeRecursively());
    start();
    type("Text2", "a1");
    click("KorvelButton1");
    QVERIFY(m_prompter->asked().isEmpty());
    QVERIFY(child<QGroupBox>("Frame1")->isVisible());
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("a1"));
    QVERIFY(child<KorvelButton>("KorvelButton2")->isEnabled());
    QVERIFY(QFileInfo(m_folder->file("User/a1/Deplog.ini")).isFile());
}

void tst_LoginWindow::failedCreationStaysOnTheNewUserPanel()
{
    QVERIFY(QDir(m_folder->file("user")).removeRecursively());
    QVERIFY(QFile::remove(m_folder->file("warning")));
    start();
    type("Text2", "a1");
    click("KorvelButton1");
    QCOMPARE(m_prompter->asked().size(), 1);
    QVERIFY(m_prompter->asked().first().text.startsWith("新建用户失败："));
    QCOMPARE(m_prompter->asked().first().icon, Icon::Error);
    QVERIFY(child<QGroupBox>("Frame2")->isVisible());
    QVERIFY(!QFileInfo::exists(m_folder->file("User/a1")));
}

QTEST_MAIN(tst_LoginWindow)
#include "tst_loginwindow.moc"
