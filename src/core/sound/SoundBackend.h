// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class MidiOutput;
class MusicOutput;
class SoundOutput;
class SpeechEngine;

// The sound device with what plays through it: the speech engine, the
// background music and the MIDI synthesizer. The real one lives in a module
// of its own, loaded once the first window is on screen, because its
// libraries take longer to load than that window takes to show.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    virtual SoundOutput &output() = 0;
    virtual SpeechEngine &speechEngine() = 0;
    virtual MusicOutput &music() = 0;
    virtual MidiOutput &midi() = 0;
};

// The module's one entry point: makes its back end, the soundfont (a UTF-8
// path) serving the MIDI music and the synthesizer. The caller owns the result.
using OpenSoundBackend = SoundBackend *(*)(const char *soundFontUtf8);
inline constexpr char OpenSoundBackendSymbol[] = "qintara_open_sound_backend";
