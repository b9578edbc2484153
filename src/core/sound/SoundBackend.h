// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class EffectVoices;
class SoundOutput;
class SpeechEngine;

// The sound device with the speech engine that plays through it. The real
// one lives in a module of its own, loaded once the first window is on
// screen, because its libraries take longer to load than that window takes
// to show.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    virtual SoundOutput &output() = 0;
    virtual SpeechEngine &speechEngine() = 0;
    // The output's voices for the music's device to play where it cannot
    // open a stream beside them; null when the back end plays none.
    virtual EffectVoices *effectVoices() = 0;
};

// The module's one entry point: makes its back end. The caller owns the result.
using OpenSoundBackend = SoundBackend *(*)();
inline constexpr char OpenSoundBackendSymbol[] = "qintara_open_sound_backend";
