// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"
#include "core/sound/MusicBackend.h"
#include "core/sound/MusicOutput.h"

// What plays when the music module is missing or broken: nothing, the way
// the real back end behaves on a machine without a sound device; a note
// answers why.
class SilentMusicBackend : public MusicBackend
{
public:
    MusicOutput &music() override { return m_music; }
    MidiOutput &midi() override { return m_midi; }

private:
    class NoMusic : public MusicOutput
    {
    public:
        void play(const QString &) override {}
        void stop() override {}
        void resume() override {}
        bool isPlaying() const override { return false; }
    };
    class NoMidi : public MidiOutput
    {
    public:
        std::optional<QString> send(quint32) override
        {
            return QStringLiteral("没有可用的声音设备，不能演奏音符。");
        }
    };

    NoMusic m_music;
    NoMidi m_midi;
};
