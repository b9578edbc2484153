// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundEffects.h"
#include "gui/sound/EspeakSpeechEngine.h"
#include "gui/sound/FluidSynthMidiOutput.h"
#include "gui/sound/MusicPlayer.h"
#include "gui/sound/SdlAudioOutput.h"

class ProgramFolder;

// The program's sound side, made once by the application and handed to
// whoever plays sounds: the sound device, the speech engine that plays
// through it, the key and game sounds of the program folder, the
// background music on the device's music stream and the MIDI synthesizer
// of the note test and the keyboard music. Members go in reverse order, so
// the engine, the music and the synthesizer stop before the device closes.
class SoundSystem
{
public:
    explicit SoundSystem(const ProgramFolder &folder);

    SdlAudioOutput &output() { return m_output; }
    SpeechEngine &speechEngine() { return m_speechEngine; }
    SoundEffects &effects() { return m_effects; }
    MusicPlayer &music() { return m_music; }
    FluidSynthMidiOutput &midi() { return m_midi; }

private:
    SdlAudioOutput m_output;
    EspeakSpeechEngine m_speechEngine;
    SoundEffects m_effects;
    MusicPlayer m_music;
    FluidSynthMidiOutput m_midi;
};
