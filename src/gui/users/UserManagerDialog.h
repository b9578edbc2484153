// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/users/AccountsFolder.h"
#include "gui/app/WindowLook.h"

#include <QDialog>

class KorvelButton;
class Prompter;
class QListWidget;

// The user manager `user`: lists the accounts, deletes the selected one
// (never the logged-in one) and opens the password dialog on it.
class UserManagerDialog : public QDialog
{
    Q_OBJECT

public:
    // look: the main window's title and rim pictures, colours and skin,
    // which the user manager and its password dialog wear too.
    UserManagerDialog(const AccountsLocation &accounts, const QString &loggedInFolder,
                      Prompter &prompter, const WindowLook &look, QWidget *parent = nullptr);

    // The user name of the item selected in the list; empty when none is.
    QString selectedUser() const;

private:
    void fillList();
    void KorvelButton1_Click();
    void KorvelButton2_Click();
    void List1_Change();

    AccountsFolder m_accounts;
    QString m_loggedInFolder;
    Prompter &m_prompter;
    WindowLook m_look; // the main window's, handed on to the password dialog
    QListWidget *m_List1;          // account names
    KorvelButton *m_KorvelButton1; // delete the selected account
    KorvelButton *m_KorvelButton2; // change its password
    KorvelButton *m_KorvelButton3; // close
};
