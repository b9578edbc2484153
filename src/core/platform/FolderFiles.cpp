// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/FolderFiles.h"

#include <QDir>

namespace FolderFiles {

QStringList namesEndingIn(const QString &folder, QStringView suffix)
{
    QStringList names;
    for (const QFileInfo &file : endingIn(folder, suffix))
        names.append(file.fileName());
    return names;
}

QFileInfoList endingIn(const QString &folder, QStringView suffix)
{
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    files.removeIf([suffix](const QFileInfo &file) { return !file.fileName().endsWith(suffix, Qt::CaseInsensitive); });
    return files;
}

} // namespace FolderFiles
