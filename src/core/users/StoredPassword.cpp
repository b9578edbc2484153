// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/StoredPassword.h"

#include "core/settings/IniFile.h"

#include <QFileInfo>

namespace {

const QString section = QStringLiteral("user");
const QString key = QStringLiteral("password");

} // namespace

namespace StoredPassword {

QString read(const QString &settingsFile)
{
    return IniRead(section, key, settingsFile);
}

bool write(const QString &settingsFile, const QString &password, QString *error)
{
    const std::optional<QString> hashed = PasswordHash::hash(password, error);
    if (!hashed)
        return false;
    if (!IniWrite(section, key, *hashed, settingsFile)) {
        if (error)
            *error = QStringLiteral("不能写入文件 ") + settingsFile;
        return false;
    }
    return true;
}

PasswordHash::Match check(const QString &settingsFile, const QString &typed)
{
    const PasswordHash::Match match = PasswordHash::check(typed, read(settingsFile));
    // A missing file reads as an empty scrambled value; writing the hash
    // would create a file the login is about to report as damaged.
    if (match == PasswordHash::Match::Legacy && QFileInfo::exists(settingsFile))
        write(settingsFile, typed);
    return match;
}

} // namespace StoredPassword
