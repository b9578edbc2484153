// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountLogin.h"

#include "core/settings/SettingsFile.h"
#include "core/users/StoredPassword.h"

#include <QFileInfo>

AccountLogin AccountLogin::logIn(const AccountsFolder &accounts, const QString &name,
                                 const QString &typed)
{
    AccountLogin login;
    // An account removed since the list was filled has no file: its entry
    // reads as empty, like any missing one.
    const std::optional<QString> folder = accounts.userFolder(name);
    const QString file = folder ? AccountsFolder::settingsFile(*folder) : QString();
    switch (StoredPassword::check(file, typed)) {
    case PasswordHash::Match::Wrong:
        login.result = Result::WrongPassword;
        return login;
    case PasswordHash::Match::Damaged:
        login.result = Result::DamagedFile;
        return login;
    case PasswordHash::Match::Hashed:
    case PasswordHash::Match::Outdated:
    case PasswordHash::Match::Legacy:
        break;
    }
    if (!folder || !QFileInfo::exists(file)) {
        login.result = Result::DamagedFile;
        return login;
    }
    const std::optional<Settings> settings = LoadSettings(file, accounts.program());
    if (!settings) {
        login.result = Result::DamagedFile;
        return login;
    }
    login.result = Result::LoggedIn;
    login.session = {*folder, *settings};
    return login;
}
