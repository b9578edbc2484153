// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/StoredPassword.h"

#include "core/settings/SettingsFile.h"

#include <QFileInfo>

namespace {

const QString section = QStringLiteral("user");
const QString key = QStringLiteral("password");

} // namespace

namespace StoredPassword {

QString read(const QString &settingsFile)
{
    const std::optional<IniDocument> document = readSettingsDocument(settingsFile);
    return document ? document->value(section, key) : QString();
}

bool write(const QString &settingsFile, const QString &password, QString *error)
{
    std::optional<IniDocument> document = readSettingsDocument(settingsFile, error);
    if (!document)
        return false;
    const std::optional<QString> hashed = PasswordHash::hash(password, error);
    if (!hashed)
        return false;
    document->setValue(section, key, *hashed);
    if (!document->save(settingsFile)) {
        if (error)
            *error = QStringLiteral("不能写入文件 ") + settingsFile;
        return false;
    }
    return true;
}

PasswordHash::Match compare(const QString &settingsFile, const QString &typed)
{
    // A damaged file is no account that some password opens; its missing
    // entry must not pass for the empty password.
    const std::optional<IniDocument> document = readSettingsDocument(settingsFile);
    if (!document)
        return PasswordHash::Match::Damaged;
    return PasswordHash::check(typed, document->value(section, key));
}

PasswordHash::Match check(const QString &settingsFile, const QString &typed)
{
    const PasswordHash::Match match = compare(settingsFile, typed);
    // A missing file reads as an empty scrambled value; writing the hash
    // would create a file the login is about to report as damaged.
    const bool rewrite = match == PasswordHash::Match::Legacy || match == PasswordHash::Match::Outdated;
    if (rewrite && QFileInfo::exists(settingsFile))
        write(settingsFile, typed);
    return match;
}

} // namespace StoredPassword
