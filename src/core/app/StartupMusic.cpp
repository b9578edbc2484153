// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/StartupMusic.h"

#include <QDir>
#include <QFileInfo>

namespace StartupMusic {

std::optional<QString> choose(qint16 backMusic, const QString &backMusicPath,
                              const ProgramFolder &programFolder)
{
    if (backMusic != 1)
        return std::nullopt;
    if (!backMusicPath.isEmpty() && QFileInfo(backMusicPath).isFile())
        return backMusicPath;

    const QDir music(programFolder.path(QStringLiteral("\\Music\\")));
    const QStringList tunes = music.entryList({QStringLiteral("*.mid")}, QDir::Files,
                                              QDir::Name | QDir::IgnoreCase);
    if (tunes.isEmpty())
        return std::nullopt;
    return music.filePath(tunes.first());
}

} // namespace StartupMusic
