// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MusicBackend.h"
#include "music/FluidSynthMidiOutput.h"
#include "music/MixerDevice.h"
#include "music/MusicPlayer.h"

// The real music back end: SDL_mixer's music stream and a FluidSynth
// synthesizer on a mixer device of their own. Members go in reverse order,
// so the music and the synthesizer stop before the device closes.
class SdlMusicBackend : public MusicBackend
{
public:
    // effects: as for MixerDevice.
    SdlMusicBackend(const QString &soundFont, EffectVoices *effects);

    MusicPlayer &music() override { return m_music; }
    FluidSynthMidiOutput &midi() override { return m_midi; }

private:
    MixerDevice m_device;
    MusicPlayer m_music;
    FluidSynthMidiOutput m_midi;
};
