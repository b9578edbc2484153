// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/LoginWindow.h"

#include "core/platform/Prompter.h"
#include "core/settings/SettingsCheck.h"
#include "core/users/AccountCreation.h"
#include "core/users/AccountLogin.h"
#include "core/users/AccountsFolder.h"
#include "gui/app/DialogSkin.h"
#include "gui/app/FramelessWindow.h"
#include "gui/app/WindowLook.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/PasswordBox.h"
#include "gui/users/SingleInstance.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString noticeTitle = QStringLiteral("提示");
const QString newUserCaption = QStringLiteral(" 新建用户　　　 ");
const QString cancelCaption = QStringLiteral(" 取   消   ");

} // namespace

LoginWindow::LoginWindow(const ProgramFolder &program, const AccountsLocation &accounts,
                         Prompter &prompter, ButtonSounds *sounds, QWidget *parent)
    : QWidget(parent)
    , m_program(program)
    , m_accounts(accounts)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("enter"));
    // No user's skin is known before the login, so the built-in look dresses it.
    const WindowLook look = WindowLook::builtIn(sounds);
    auto *rim = new WindowRim(QStringLiteral("Qintara4.8 用户登录"), look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QWidget::close);

    buildLoginPanel();
    buildNewUserPanel();
    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral(" 确  定   "));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), newUserCaption);
    connect(m_KorvelButton1, &KorvelButton::clicked, this, &LoginWindow::KorvelButton1_Click);
    connect(m_KorvelButton2, &KorvelButton::clicked, this, &LoginWindow::KorvelButton2_Click);

    layOutPanelsAndButtons(rim->body(), {m_Frame1, m_Frame2}, {m_KorvelButton1, m_KorvelButton2});
    m_Frame2->hide();
    setFixedSize(380, 290);
    DialogSkin::take(this, look, false);
}

void LoginWindow::buildLoginPanel()
{
    m_Frame1 = new QGroupBox(QStringLiteral("用户登录"));
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Combo1 = new QComboBox;
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Text1 = new PasswordBox(QStringLiteral("Text1"), nullptr);
    connect(m_Text1, &QLineEdit::returnPressed, this, &LoginWindow::KorvelButton1_Click);

    auto *form = new QFormLayout(m_Frame1);
    form->setContentsMargins(18, 16, 18, 16);
    form->setVerticalSpacing(18);
    // The panel is as tall as the new-user panel; its two rows sit in the middle.
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addLabelledRow(form, QStringLiteral("Label1"), QStringLiteral("用户名："), m_Combo1);
    addLabelledRow(form, QStringLiteral("Label2"), QStringLiteral("密  码："), m_Text1);
}

void LoginWindow::buildNewUserPanel()
{
    m_Frame2 = new QGroupBox(QStringLiteral("新建用户"));
    m_Frame2->setObjectName(QStringLiteral("Frame2"));
    m_Label3 = new QLabel(QStringLiteral("请用户自行设定用户名及密码！"));
    m_Label3->setObjectName(QStringLiteral("Label3"));
    m_Text2 = new QLineEdit;
    m_Text2->setObjectName(QStringLiteral("Text2"));
    m_Text3 = new PasswordBox(QStringLiteral("Text3"), nullptr);
    m_Text4 = new PasswordBox(QStringLiteral("Text4"), nullptr);

    auto *form = new QFormLayout(m_Frame2);
    form->setContentsMargins(18, 10, 18, 12);
    form->setVerticalSpacing(8);
    form->addRow(m_Label3);
    addLabelledRow(form, QStringLiteral("Label4"), QStringLiteral("用户名："), m_Text2);
    addLabelledRow(form, QStringLiteral("Label5"), QStringLiteral("密  码："), m_Text3);
    addLabelledRow(form, QStringLiteral("Label6"), QStringLiteral("确认密码："), m_Text4);
}

bool LoginWindow::start(SingleInstance &instance)
{
    if (!instance.claim()) {
        m_prompter.inform(QStringLiteral("程序已经运行，不能再次装载。"), QStringLiteral("Qintara"),
                          Prompter::Icon::Warning);
        return false;
    }
    ListUsers();
    if (m_Combo1->count() == 0) {
        // Nobody to log in as: a first account has to be made, and the
        // second button stays disabled so there is no way back.
        m_Frame1->hide();
        m_Frame2->show();
        m_KorvelButton2->setText(cancelCaption);
    }
    FramelessWindow::centreOnScreen(this);
    show();
    activateWindow();
    (m_Frame2->isVisible() ? static_cast<QWidget *>(m_Text2) : m_Text1)->setFocus();
    return true;
}

void LoginWindow::ListUsers()
{
    m_Combo1->clear();
    m_Combo1->addItems(m_accounts.users());
    if (m_Combo1->count() > 0)
        m_Combo1->setCurrentIndex(0);
    m_KorvelButton2->setEnabled(m_Combo1->count() > 0);
}

void LoginWindow::KorvelButton1_Click()
{
    if (m_Frame1->isVisible())
        logIn();
    else
        createAccount();
}

void LoginWindow::KorvelButton2_Click()
{
    if (m_KorvelButton2->text() == newUserCaption) {
        m_Frame1->hide();
        m_Frame2->show();
        m_Text2->clear();
        m_Text3->clear();
        m_Text4->clear();
        m_Text2->setFocus();
        m_KorvelButton2->setText(cancelCaption);
    } else {
        m_Text3->clear();
        m_Text4->clear();
        showLoginPanel();
        m_Text1->setFocus();
    }
}

void LoginWindow::showLoginPanel()
{
    m_Frame1->show();
    m_Frame2->hide();
    m_KorvelButton2->setText(newUserCaption);
}

void LoginWindow::refuse(const QString &text, QLineEdit *emptied, QLineEdit *focused)
{
    m_prompter.inform(text, noticeTitle, Prompter::Icon::Warning);
    if (emptied)
        emptied->clear();
    focused->setFocus();
}

void LoginWindow::logIn()
{
    const AccountLogin login =
        AccountLogin::logIn(m_accounts, m_Combo1->currentText(), m_Text1->text());
    switch (login.result) {
    case AccountLogin::Result::WrongPassword:
        refuse(QStringLiteral("密码不正确 ！"), m_Text1, m_Text1);
        return;
    case AccountLogin::Result::DamagedFile:
        m_prompter.inform(QStringLiteral("已损坏的用户文件！"), noticeTitle, Prompter::Icon::Error);
        return;
    case AccountLogin::Result::LoggedIn:
        break;
    }
    UserSession session = login.session;
    // The check has told the user why when it ends the program.
    if (CheckSettings(session.settings, m_program, m_prompter) == SettingsCheck::EndProgram) {
        close();
        return;
    }
    emit loggedIn(session);
    // Only hidden: closing the last ordinary window would end the program
    // while the splash (no ordinary window) is still loading the main window.
    hide();
}

void LoginWindow::createAccount()
{
    const AccountCreation creation =
        AccountCreation::create(m_accounts, m_Text2->text(), m_Text3->text(), m_Text4->text());
    switch (creation.result) {
    case AccountCreation::Result::BadName:
        // Only an empty name is left for the user to fill in; any other
        // refused name is cleared for a new one.
        refuse(UserNameRules::message(creation.problem),
               creation.problem == UserNameRules::Problem::Empty ? nullptr : m_Text2, m_Text2);
        return;
    case AccountCreation::Result::PasswordsDiffer:
        refuse(QStringLiteral("密码输入不一致 ！"), m_Text3, m_Text3);
        m_Text4->clear();
        return;
    case AccountCreation::Result::NameTaken:
        refuse(QStringLiteral("已有的用户名 ！"), m_Text2, m_Text2);
        return;
    case AccountCreation::Result::Failed:
        // Staying on this panel keeps the way open to try again, even when
        // there is no account to fall back to.
        m_prompter.inform(QStringLiteral("新建用户失败：") + creation.error, noticeTitle,
                          Prompter::Icon::Error);
        return;
    case AccountCreation::Result::Created:
        break;
    }
    m_Text3->clear();
    m_Text4->clear();
    showLoginPanel();
    ListUsers();
    m_Text1->setFocus();
}
