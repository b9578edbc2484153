// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class EffectVoices;
class MidiOutput;
class MusicOutput;

// The background music and the MIDI synthesizer, on a sound stream of their
// own. The real one lives in a module of its own, loaded when music or a
// note is first wanted: its decoders and synthesizer take more memory than
// the rest of the sound side, and many runs never play either.
class MusicBackend
{
public:
    virtual ~MusicBackend() = default;

    virtual MusicOutput &music() = 0;
    virtual MidiOutput &midi() = 0;
};

// The module's one entry point: makes its back end, the soundfont (a UTF-8
// path) serving the MIDI music and the synthesizer; effects (may be null)
// are the voices it plays where it cannot open a stream beside them, and
// must outlive it. The caller owns the result.
using OpenMusicBackend = MusicBackend *(*)(const char *soundFontUtf8, EffectVoices *effects);
inline constexpr char OpenMusicBackendSymbol[] = "qintara_open_music_backend";
