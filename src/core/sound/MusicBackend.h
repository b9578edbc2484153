// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

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
// path) serving the MIDI music and the synthesizer. The caller owns the result.
using OpenMusicBackend = MusicBackend *(*)(const char *soundFontUtf8);
inline constexpr char OpenMusicBackendSymbol[] = "qintara_open_music_backend";
