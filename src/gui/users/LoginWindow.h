// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/users/AccountsFolder.h"
#include "core/users/UserSession.h"

#include <QWidget>

class ButtonSounds;
class KorvelButton;
class PasswordBox;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class SingleInstance;

// The login window `enter`, the first window of every run. One of two panels
// shows: the login panel (user list and password) or the new-user panel
// (name and the password twice). The confirm button logs in or creates the
// account; the second button switches panels. Closing the window without a
// login ends the program.
class LoginWindow : public QWidget
{
    Q_OBJECT

public:
    // accounts: where the accounts live (AccountsLocation::choose);
    // sounds: the push buttons' sounds (none: silent).
    LoginWindow(const ProgramFolder &program, const AccountsLocation &accounts, Prompter &prompter,
                ButtonSounds *sounds = nullptr, QWidget *parent = nullptr);

    // Refuses a second copy of the program ("程序已经运行，不能再次装载。") and
    // returns false; otherwise lists the accounts, opens on the login panel
    // (the new-user panel when there is no account yet) and shows the window.
    bool start(SingleInstance &instance);

    // Fills the user list from the accounts folder and selects the first;
    // the second button works only when there is an account to log in to.
    void ListUsers();

signals:
    // A user logged in: the user folder and the checked settings. The window
    // hides right after; the receiver puts up the next window.
    void loggedIn(const UserSession &session);

private:
    void buildLoginPanel();
    void buildNewUserPanel();
    void KorvelButton1_Click();
    void KorvelButton2_Click();
    void logIn();
    void createAccount();
    void showLoginPanel();
    void showNewUserPanel();
    void refuse(const QString &text, QLineEdit *emptied, QLineEdit *focused);

    ProgramFolder m_program;
    AccountsFolder m_accounts;
    Prompter &m_prompter;

    QGroupBox *m_Frame1;        // login panel "用户登录"
    QComboBox *m_Combo1;        // user names
    PasswordBox *m_Text1;       // password of the chosen user
    QGroupBox *m_Frame2;        // new-user panel "新建用户"
    QLabel *m_Label3;           // note "请用户自行设定用户名及密码！"
    QLineEdit *m_Text2;         // new user name
    PasswordBox *m_Text3;       // new password
    PasswordBox *m_Text4;       // new password again
    KorvelButton *m_KorvelButton1; // confirm
    KorvelButton *m_KorvelButton2; // switch panels: " 新建用户　　　 " or " 取   消   "
};
