// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <QStringList>

#include <optional>

// The folder "\user\" of the program folder, found without regard to case,
// with one subfolder per account named by the user name. An account exists
// exactly when its subfolder does.
class AccountsFolder
{
public:
    explicit AccountsFolder(const ProgramFolder &program);

    // The accounts folder, whether it exists yet or not.
    QString path() const;

    // The program folder the accounts folder lies in.
    const ProgramFolder &program() const { return m_program; }

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

    // Creates the folder of a new account, and the accounts folder first when
    // there is none. The name must already have passed UserNameRules. Fails
    // when an account of that name exists in any case ("已有的用户名 ！").
    enum class Creation { Created, NameTaken, Failed };
    Creation createUserFolder(const QString &name, QString *folder, QString *error = nullptr) const;

    // Removes an account's folder with everything in it, subfolders included.
    // When anything cannot be removed, the rest is still removed, false comes
    // back and *error names what is left.
    bool removeUser(const QString &name, QString *error = nullptr) const;

private:
    ProgramFolder m_program;
};
