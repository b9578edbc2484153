// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MusicLoader.h"

#include <QFile>
#include <QFileInfo>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

void MusicLoader::load(quint64 request, const QString &file)
{
    // SDL would report a missing file in its own words, with the name in
    // bytes; a clear reason serves the log better.
    if (!QFileInfo(file).isFile()) {
        emit loaded(request, file, nullptr, QStringLiteral("文件不存在"));
        return;
    }
    // By name, so that the mixer picks the decoder from the extension and
    // streams long files instead of holding them in memory.
    Mix_Music *music = Mix_LoadMUS(QFile::encodeName(file).constData());
    emit loaded(request, file, music, music ? QString() : QString::fromUtf8(SDL_GetError()));
}

void MusicLoader::release(void *music)
{
    Mix_FreeMusic(static_cast<Mix_Music *>(music));
}
