// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/SdlSoundBackend.h"

SdlSoundBackend::SdlSoundBackend(const QString &soundFont)
    : m_speechEngine(m_output)
    , m_music(m_output, soundFont)
    , m_midi(m_output, soundFont)
{
}

extern "C" Q_DECL_EXPORT SoundBackend *qintara_open_sound_backend(const char *soundFontUtf8)
{
    return new SdlSoundBackend(QString::fromUtf8(soundFontUtf8));
}
