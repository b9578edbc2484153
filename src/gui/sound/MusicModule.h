// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"
#include "core/sound/MusicOutput.h"

#include <QString>

#include <memory>

class EffectVoices;
class MusicBackend;

// The background music and the MIDI synthesizer from the music module,
// which the first call that needs it loads: a file to play or a note to
// sound. Until then stopping and asking cost nothing, so a run without
// music never carries the module's decoders and synthesizer. A module that
// cannot be loaded leaves both silent (a note answers why), with one line
// in the log. Call it from the thread that made it.
class MusicModule : public MusicOutput, public MidiOutput
{
public:
    // moduleFolder: where the module is (the executable's folder when empty);
    // soundFont: the General MIDI soundfont of the MIDI music and the notes;
    // effects: the voices the music's device plays where the driver opens
    // one device only (may be null; must outlive this).
    MusicModule(const QString &moduleFolder, const QString &soundFont, EffectVoices *effects = nullptr);
    ~MusicModule() override;
    MusicModule(const MusicModule &) = delete;
    MusicModule &operator=(const MusicModule &) = delete;

    void play(const QString &file) override;
    void stop() override;
    void resume() override;
    bool isPlaying() const override;
    std::optional<QString> send(quint32 message) override;

    // Whether the module has been asked for (loaded, or found missing).
    bool isLoaded() const { return m_backend != nullptr; }

private:
    MusicBackend &backend();

    const QString m_moduleFolder;
    const QString m_soundFont;
    EffectVoices *const m_effects;
    std::unique_ptr<MusicBackend> m_backend;
};
