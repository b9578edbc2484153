// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/users/AccountsFolder.h"
#include "core/users/UserSession.h"

#include <QString>

// Logging in to an account: the password check, the user folder and the
// user's settings as stored (CheckSettings still has to repair them).
struct AccountLogin
{
    enum class Result {
        LoggedIn,
        WrongPassword,  // "密码不正确 ！"
        DamagedFile,    // "已损坏的用户文件！": no "Deplog.ini", or one that is no
                        // settings file or holds a hash this program would not write
    };

    Result result = Result::WrongPassword;
    UserSession session; // set when logged in

    // Checks the typed password of the named account and loads its settings.
    // The password is checked first, so a missing file (whose entry reads as
    // empty) passes with an empty password and is then reported as damaged.
    // A file that is there but damaged is reported whatever was typed, and is
    // left as it is. A right password over an older scrambled value is
    // upgraded to a hash.
    static AccountLogin logIn(const AccountsFolder &accounts, const QString &name,
                              const QString &typed);
};
