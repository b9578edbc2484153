// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "audio/EspeakSpeechEngine.h"
#include "audio/SdlAudioOutput.h"
#include "core/sound/SoundBackend.h"

// The real sound back end: one SDL2 device with espeak-ng speaking through
// it. Members go in reverse order, so the engine stops before the device
// closes.
class SdlSoundBackend : public SoundBackend
{
public:
    SdlSoundBackend();

    SdlAudioOutput &output() override { return m_output; }
    SpeechEngine &speechEngine() override { return m_speechEngine; }
    EffectVoices *effectVoices() override { return &m_output; }

private:
    SdlAudioOutput m_output;
    EspeakSpeechEngine m_speechEngine;
};
