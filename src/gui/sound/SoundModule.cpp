// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundModule.h"

#include <QCoreApplication>
#include <QLibrary>

Q_LOGGING_CATEGORY(soundLog, "qintara.sound")

QFunctionPointer soundModuleEntry(const QString &folder, const QString &fileName, const char *symbol,
                                  QString *error)
{
    const QString where = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    QLibrary library(where + QLatin1Char('/') + fileName);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const QFunctionPointer entry = library.resolve(symbol);
    if (!entry)
        *error = library.errorString();
    return entry;
}
