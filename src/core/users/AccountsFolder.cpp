// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountsFolder.h"

#include "core/users/UserNameRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

// The entry of folder named by name: the same spelling first, then any case.
std::optional<QString> findEntry(const QStringList &entries, const QString &name)
{
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

// One new folder; with parents, the folders above it too, and an existing
// folder is fine.
bool makeFolder(const QString &path, QString *error, bool parents = false)
{
    std::error_code code;
    const std::filesystem::path folder = QFileInfo(path).filesystemFilePath();
    if (parents ? (std::filesystem::create_directories(folder, code), !code)
                : std::filesystem::create_directory(folder, code))
        return true;
    if (error)
        *error = code ? QString::fromLocal8Bit(code.message()) : QStringLiteral("文件夹已存在");
    return false;
}

} // namespace

AccountsFolder::AccountsFolder(const AccountsLocation &location)
    : m_location(location)
{
}

QStringList AccountsFolder::users() const
{
    return QDir(path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

std::optional<QString> AccountsFolder::userFolder(const QString &name) const
{
    const std::optional<QString> entry = findEntry(users(), name);
    if (!entry)
        return std::nullopt;
    return path() + QLatin1Char('/') + *entry;
}

QString AccountsFolder::settingsFile(const QString &userFolder)
{
    return ProgramFolder::resolve(userFolder, QStringLiteral("\\Deplog.ini"));
}

AccountsFolder::Creation AccountsFolder::createUserFolder(const QString &name, QString *folder,
                                                          QString *error) const
{
    // The rules keep the name one plain folder name, so nothing can be
    // created outside the accounts folder whatever the caller passes.
    const UserNameRules::Problem problem = UserNameRules::check(name);
    if (problem != UserNameRules::Problem::None) {
        if (error)
            *error = UserNameRules::message(problem);
        return Creation::Failed;
    }
    if (m_location.place == AccountsLocation::Place::Unwritable) {
        if (error)
            *error = m_location.error;
        return Creation::Failed;
    }
    const QString accounts = path();
    // In the data home, "qintara" above the accounts folder may be missing too.
    if (!QFileInfo(accounts).isDir() && !makeFolder(accounts, error, true))
        return Creation::Failed;
    // Windows folder names ignore case, and so does every path the program
    // builds, so "Anna" and "anna" must stay one account.
    const QStringList entries =
        QDir(accounts).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (findEntry(entries, name))
        return Creation::NameTaken;
    const QString target = accounts + QLatin1Char('/') + name;
    if (!makeFolder(target, error))
        return QFileInfo::exists(target) ? Creation::NameTaken : Creation::Failed;
    if (folder)
        *folder = target;
    return Creation::Created;
}

bool AccountsFolder::removeUser(const QString &name, QString *error) const
{
    const std::optional<QString> folder = userFolder(name);
    if (!folder) {
        if (error)
            *error = path() + QLatin1Char('/') + name;
        return false;
    }
    // A linked account folder loses only its link: what it points to lies
    // outside the accounts folder.
    const bool removed = QFileInfo(*folder).isSymLink() ? QFile::remove(*folder)
                                                        : QDir(*folder).removeRecursively();
    if (!removed && error)
        *error = *folder;
    return removed;
}
