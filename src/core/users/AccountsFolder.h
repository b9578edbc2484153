// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/users/AccountsLocation.h"

#include <QStringList>

#include <optional>

// The accounts folder that AccountsLocation chose (the program folder's
// "\user\" or the user's data folder), with one subfolder per account named
// by the user name. An account exists exactly when its subfolder does.
class AccountsFolder
{
public:
    explicit AccountsFolder(const AccountsLocation &location);

    // The accounts folder, whether it exists yet or not.
    QString path() const { return m_location.path; }

    // The program folder the accounts belong to (defaults, warning file).
    const ProgramFolder &program() const { return m_location.program; }

    const AccountsLocation &location() const { return m_location; }

    // The account names: every subfolder, ordered by name without regard to
    // case as a Windows folder listing shows them. Files are ignored; no
    // accounts folder means no accounts.
    QStringList users() const;

    // The folder of the listed account that the name names (same spelling
    // first, then without regard to case); nothing when there is no such
    // account. Only listed names qualify, so the result is always one
    // subfolder of the accounts folder.
    std::optional<QString> userFolder(const QString &name) const;

    // The file "\Deplog.ini" of a user folder, found without regard to case.
    static QString settingsFile(const QString &userFolder);

    // Creates the folder of a new account, and the accounts folder (with the
    // folders above it) first when there is none. The name must already have
    // passed UserNameRules. Fails when an account of that name exists in any
    // case ("已有的用户名 ！"), and with the location's error when it is
    // Unwritable.
    enum class Creation { Created, NameTaken, Failed };
    Creation createUserFolder(const QString &name, QString *folder, QString *error = nullptr) const;

    // Removes an account's folder with everything in it, subfolders included.
    // When anything cannot be removed, the rest is still removed, false comes
    // back and *error names what is left.
    bool removeUser(const QString &name, QString *error = nullptr) const;

private:
    AccountsLocation m_location;
};
