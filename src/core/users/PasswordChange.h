// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Changing the password of an account, given its user folder.
struct PasswordChange
{
    enum class Result {
        Changed,           // "密码更改成功，请记住新密码！"
        WrongOldPassword,  // "原密码不正确 ！"
        Mismatch,          // "密码输入不一致 ！"
        Failed,            // the new password could not be stored, or the account's
                           // file is damaged ("已损坏的用户文件！"); see error
    };

    Result result = Result::Failed;
    QString error;

    // Checks the old password (a hash, or an older scrambled value), then that
    // the new one and its confirmation agree, then stores a hash of the new
    // one. On failure the stored password is unchanged.
    static PasswordChange change(const QString &userFolder, const QString &oldPassword,
                                 const QString &newPassword, const QString &confirmation);
};
