// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountCreation.h"

#include "core/settings/SettingsFile.h"
#include "core/users/AccountsFolder.h"
#include "core/users/StoredPassword.h"

#include <QDir>
#include <QFile>

namespace {

// Fills the new user folder; false with *error when a step fails.
bool fillUserFolder(const ProgramFolder &program, const QString &folder, const QString &password,
                    QString *error)
{
    const QString settingsFile = AccountsFolder::settingsFile(folder);
    if (!StoredPassword::write(settingsFile, password, error))
        return false;

    QFile warning(program.path(QStringLiteral("\\warning")));
    if (!warning.copy(ProgramFolder::resolve(folder, QStringLiteral("\\警告.txt")))) {
        *error = QStringLiteral("不能复制文件 ") + warning.fileName() + QStringLiteral("：")
                 + warning.errorString();
        return false;
    }

    Settings settings;
    DefaultSettings(settings, program);
    return SaveSettings(settings, settingsFile, program, error);
}

} // namespace

AccountCreation AccountCreation::create(const AccountsFolder &accounts, const QString &name,
                                        const QString &password, const QString &confirmation)
{
    AccountCreation creation;
    creation.problem = UserNameRules::check(name);
    if (creation.problem != UserNameRules::Problem::None) {
        creation.result = Result::BadName;
        return creation;
    }
    if (password != confirmation) {
        creation.result = Result::PasswordsDiffer;
        return creation;
    }

    QString folder;
    switch (accounts.createUserFolder(name, &folder, &creation.error)) {
    case AccountsFolder::Creation::NameTaken:
        creation.result = Result::NameTaken;
        return creation;
    case AccountsFolder::Creation::Failed:
        creation.result = Result::Failed;
        return creation;
    case AccountsFolder::Creation::Created:
        break;
    }

    if (!fillUserFolder(accounts.program(), folder, password, &creation.error)) {
        // Half an account would keep the name taken and fail every login.
        QDir(folder).removeRecursively();
        creation.result = Result::Failed;
        return creation;
    }
    creation.result = Result::Created;
    return creation;
}
