// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QDialog>

struct WindowLook;

class KorvelButton;
class PasswordBox;
class Prompter;
class QGroupBox;

// The password dialog `FrmUserSetup`: changes the password of one account,
// which need not be the logged-in one. The old password, the new one and its
// confirmation; confirm stores the new one and closes, cancel closes.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    // look: the main window's, which it wears too.
    PasswordDialog(const QString &userName, const QString &userFolder, Prompter &prompter,
                   const WindowLook &look, QWidget *parent = nullptr);

private:
    void KorvelButton1_Click();

    QString m_userFolder;
    Prompter &m_prompter;
    QGroupBox *m_Frame1;           // "更改用户" + name + "密码"
    PasswordBox *m_Text1;          // old password
    PasswordBox *m_Text2;          // new password
    PasswordBox *m_Text3;          // new password again
    KorvelButton *m_KorvelButton1; // confirm
    KorvelButton *m_KorvelButton2; // cancel
};
