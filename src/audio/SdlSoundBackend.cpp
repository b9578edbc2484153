// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/SdlSoundBackend.h"

SdlSoundBackend::SdlSoundBackend()
    : m_speechEngine(m_output)
{
}

extern "C" Q_DECL_EXPORT SoundBackend *qintara_open_sound_backend()
{
    return new SdlSoundBackend;
}
