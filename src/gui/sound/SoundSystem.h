// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"
#include "core/sound/MusicOutput.h"
#include "core/sound/SoundBackend.h"
#include "core/sound/SoundEffects.h"
#include "core/sound/SoundOutput.h"
#include "core/sound/SpeechEngine.h"

#include <QString>

#include <memory>

class ProgramFolder;

// The program's sound side, made once by the application and handed to
// whoever plays sounds: the sound back end from the audio module (the sound
// device, the speech engine that plays through it, the background music on
// the device's music stream and the MIDI synthesizer of the note test and
// the keyboard music) and the key and game sounds of the program folder.
// A module that cannot be loaded leaves the program silent, with one line
// in the log saying why.
class SoundSystem
{
public:
    // moduleFolder: where the audio module is; by default the executable's
    // folder.
    explicit SoundSystem(const ProgramFolder &folder, const QString &moduleFolder = {});
    ~SoundSystem();

    SoundOutput &output() { return m_backend->output(); }
    SpeechEngine &speechEngine() { return m_backend->speechEngine(); }
    SoundEffects &effects() { return m_effects; }
    MusicOutput &music() { return m_backend->music(); }
    MidiOutput &midi() { return m_backend->midi(); }

private:
    std::unique_ptr<SoundBackend> m_backend;
    SoundEffects m_effects;
};
