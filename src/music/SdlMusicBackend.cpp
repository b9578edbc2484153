// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/SdlMusicBackend.h"

SdlMusicBackend::SdlMusicBackend(const QString &soundFont, EffectVoices *effects)
    : m_device(effects)
    , m_music(m_device, soundFont)
    , m_midi(m_device, soundFont)
{
}

extern "C" Q_DECL_EXPORT MusicBackend *qintara_open_music_backend(const char *soundFontUtf8, EffectVoices *effects)
{
    return new SdlMusicBackend(QString::fromUtf8(soundFontUtf8), effects);
}
