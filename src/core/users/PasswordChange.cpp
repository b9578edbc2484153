// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordChange.h"

#include "core/users/AccountsFolder.h"
#include "core/users/PasswordHash.h"
#include "core/users/StoredPassword.h"

PasswordChange PasswordChange::change(const QString &userFolder, const QString &oldPassword,
                                      const QString &newPassword, const QString &confirmation)
{
    PasswordChange change;
    const QString file = AccountsFolder::settingsFile(userFolder);
    // No upgrade here: the value is about to be replaced anyway.
    switch (StoredPassword::compare(file, oldPassword)) {
    case PasswordHash::Match::Wrong:
        change.result = Result::WrongOldPassword;
        return change;
    case PasswordHash::Match::Damaged:
        change.error = QStringLiteral("已损坏的用户文件！");
        return change;
    case PasswordHash::Match::Hashed:
    case PasswordHash::Match::Outdated:
    case PasswordHash::Match::Legacy:
        break;
    }
    if (newPassword != confirmation) {
        change.result = Result::Mismatch;
        return change;
    }
    change.result = StoredPassword::write(file, newPassword, &change.error) ? Result::Changed
                                                                           : Result::Failed;
    return change;
}
