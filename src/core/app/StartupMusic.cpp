// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/StartupMusic.h"

#include "core/settings/SettingsFile.h"

#include <QFileInfo>

namespace StartupMusic {

std::optional<QString> choose(qint16 backMusic, const QString &backMusicPath,
                              const ProgramFolder &programFolder)
{
    if (backMusic != 1)
        return std::nullopt;
    if (!backMusicPath.isEmpty() && QFileInfo(backMusicPath).isFile())
        return backMusicPath;
    // A new user's music: the first tune of the Music folder, or the bare folder.
    const QString firstTune = DefaultMusicPath(programFolder);
    if (!QFileInfo(firstTune).isFile())
        return std::nullopt;
    return firstTune;
}

} // namespace StartupMusic
