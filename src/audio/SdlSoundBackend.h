// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "audio/EspeakSpeechEngine.h"
#include "audio/FluidSynthMidiOutput.h"
#include "audio/MusicPlayer.h"
#include "audio/SdlAudioOutput.h"
#include "core/sound/SoundBackend.h"

// The real sound back end: one SDL mixer device with espeak-ng speaking
// through it, SDL_mixer's music stream and a FluidSynth synthesizer.
// Members go in reverse order, so the engine, the music and the synthesizer
// stop before the device closes.
class SdlSoundBackend : public SoundBackend
{
public:
    explicit SdlSoundBackend(const QString &soundFont);

    SdlAudioOutput &output() override { return m_output; }
    SpeechEngine &speechEngine() override { return m_speechEngine; }
    MusicPlayer &music() override { return m_music; }
    FluidSynthMidiOutput &midi() override { return m_midi; }

private:
    SdlAudioOutput m_output;
    EspeakSpeechEngine m_speechEngine;
    MusicPlayer m_music;
    FluidSynthMidiOutput m_midi;
};
