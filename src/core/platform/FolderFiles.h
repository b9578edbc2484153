// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFileInfoList>
#include <QString>
#include <QStringList>

namespace FolderFiles {

// The names of the files in folder that end in suffix (".txt"), the case of
// either ignored as on Windows, sorted by name without regard to case: what
// the name filter "*.txt" lists, without the regular expression QDir makes
// for every filter.
QStringList namesEndingIn(const QString &folder, QStringView suffix);

// The same files, with their paths.
QFileInfoList endingIn(const QString &folder, QStringView suffix);

} // namespace FolderFiles
