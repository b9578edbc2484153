// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/users/AccountsFolder.h"
#include "core/users/UserNameRules.h"

#include <QString>

// Creating an account: the checks of the name and the two passwords, then the
// user folder with its "Deplog.ini" (the hashed password first, then a new
// user's settings) and "警告.txt", a copy of the program's "warning" file.
struct AccountCreation
{
    enum class Result {
        Created,
        BadName,          // see problem; nothing was created
        PasswordsDiffer,  // "密码输入不一致 ！"
        NameTaken,        // "已有的用户名 ！"; the existing account is untouched
        Failed,           // see error; whatever this attempt created is removed again
    };

    Result result = Result::Failed;
    UserNameRules::Problem problem = UserNameRules::Problem::None;
    QString error;

    // Checks in this order: the name's rules, the passwords, a name already
    // taken (in any case); then creates the account. A failure part-way
    // removes the new folder again, so an account is there complete or not at
    // all.
    // The new user's defaults and "warning" come from accounts.program().
    static AccountCreation create(const AccountsFolder &accounts, const QString &name,
                                  const QString &password, const QString &confirmation);
};
