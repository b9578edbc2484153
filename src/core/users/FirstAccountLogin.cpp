// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/FirstAccountLogin.h"

#include "core/settings/IniFile.h"
#include "core/settings/SettingsCheck.h"
#include "core/settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString cannotStart = QStringLiteral("软件不能启动");

QString settingsFile(const QString &userFolder)
{
    return ProgramFolder::resolve(userFolder, QStringLiteral("\\Deplog.ini"));
}

// The account a new installation starts with, made as the login window makes
// one: the (empty) scrambled password, then a new user's settings.
bool createDefaultAccount(const QString &userFolder, const ProgramFolder &programFolder, QString *error)
{
    if (!QDir().mkpath(userFolder)) {
        *error = QStringLiteral("无法建立用户文件夹 ") + QDir::toNativeSeparators(userFolder);
        return false;
    }
    const QString file = settingsFile(userFolder);
    if (!IniWrite(QStringLiteral("user"), QStringLiteral("password"), QString(), file)) {
        *error = QStringLiteral("无法写入 ") + QDir::toNativeSeparators(file);
        return false;
    }
    Settings settings;
    DefaultSettings(settings, programFolder);
    return SaveSettings(settings, file, error);
}

} // namespace

std::optional<UserSession> loginFirstAccount(const ProgramFolder &programFolder, Prompter &prompter)
{
    const QString accounts = programFolder.path(QStringLiteral("\\user\\"));
    const QStringList users = QDir(accounts).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);

    UserSession session;
    QString error;
    if (users.isEmpty()) {
        session.userFolder = ProgramFolder::resolve(accounts, QStringLiteral("\\default"));
        if (!createDefaultAccount(session.userFolder, programFolder, &error)) {
            prompter.inform(error, cannotStart, Prompter::Icon::Error);
            return std::nullopt;
        }
    } else {
        session.userFolder = QDir(accounts).filePath(users.first());
    }

    const QString file = settingsFile(session.userFolder);
    if (!QFileInfo::exists(file)) {
        prompter.inform(QStringLiteral("已损坏的用户文件！"), QStringLiteral("提示"), Prompter::Icon::Error);
        return std::nullopt;
    }
    std::optional<Settings> settings = LoadSettings(file, &error);
    if (!settings) {
        prompter.inform(error, cannotStart, Prompter::Icon::Error);
        return std::nullopt;
    }
    if (CheckSettings(*settings, programFolder, prompter) == SettingsCheck::EndProgram)
        return std::nullopt;
    session.settings = *settings;
    return session;
}
