// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundOutput.h"

#include <QHash>
#include <QString>

#include <mutex>

struct Mix_Chunk;

// The program's one sound device, opened through SDL2_mixer when this object
// is made and closed when it goes. Effects play on one mixer channel,
// speech on another and the MIDI synthesizer on a third; the background
// music can use the mixer's music stream of the same device. Sounds are read
// once and kept, converted to the device's format on their first play, and
// the device runs with a small buffer, so a key sound starts within a few
// milliseconds of play().
// Without a usable device every call is silent and returns at once.
// Create one per program; call it from the thread that made it, except
// playSpeech(), which any thread may call.
class SdlAudioOutput : public SoundOutput
{
public:
    SdlAudioOutput();
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput &) = delete;
    SdlAudioOutput &operator=(const SdlAudioOutput &) = delete;

    // Whether a sound device is open.
    bool isOpen() const { return m_open; }

    // The mixer channel kept for the MIDI synthesizer (FluidSynthMidiOutput).
    static constexpr int synthChannel = 2;

    void preload(const QString &path) override;
    bool play(const QString &path) override;
    bool playToEnd(const QString &path) override;
    void playDefaultSound() override;
    void playSpeech(const QByteArray &wave) override;
    int deviceCount() const override;

private:
    // The kept chunk of a sound file, made on first play only; null for the
    // rest of the run when the file is missing or fails WaveCheck or SDL.
    Mix_Chunk *chunk(const QString &path);

    bool m_open = false;
    QHash<QString, QByteArray> m_waves; // preloaded, not yet played; empty for a file that cannot be played
    QHash<QString, Mix_Chunk *> m_chunks; // null for a file that cannot be played
    Mix_Chunk *m_defaultSound = nullptr;
    std::mutex m_speechGuard;
    Mix_Chunk *m_speech = nullptr; // guarded by m_speechGuard
};
