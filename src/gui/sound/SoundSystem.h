// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundBackend.h"
#include "core/sound/SoundEffects.h"
#include "core/sound/SoundOutput.h"
#include "core/sound/SpeechEngine.h"
#include "gui/sound/MusicModule.h"

#include <QString>

#include <memory>

class ProgramFolder;

// The program's sound side, made once by the application and handed to
// whoever plays sounds: the sound back end from the audio module (the sound
// device and the speech engine that plays through it), the key and game
// sounds of the program folder, and the background music and the MIDI
// synthesizer of the note test and the keyboard music, whose module loads
// when they are first wanted. A module that cannot be loaded leaves its part
// silent, with one line in the log saying why.
class SoundSystem
{
public:
    // moduleFolder: where the sound modules are; by default the executable's
    // folder.
    explicit SoundSystem(const ProgramFolder &folder, const QString &moduleFolder = {});
    ~SoundSystem();

    SoundOutput &output() { return m_backend->output(); }
    SpeechEngine &speechEngine() { return m_backend->speechEngine(); }
    SoundEffects &effects() { return m_effects; }
    MusicOutput &music() { return m_music; }
    MidiOutput &midi() { return m_music; }

private:
    std::unique_ptr<SoundBackend> m_backend;
    MusicModule m_music;
    SoundEffects m_effects;
};
