// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/SelectedFiles.h"

#include <QDir>
#include <QFileInfo>

SelectedFiles GetDlgSelectFileInfo(const QStringList &paths)
{
    SelectedFiles files;
    if (paths.isEmpty())
        return files;
    const QDir folder = QFileInfo(paths.first()).dir();
    files.folder = folder.path();
    if (!files.folder.endsWith(QLatin1Char('/')))
        files.folder += QLatin1Char('/');
    for (const QString &path : paths)
        files.names.append(folder.relativeFilePath(path));
    files.count = int(files.names.size());
    return files;
}
