// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"
#include "core/sound/MusicOutput.h"
#include "core/sound/SoundBackend.h"
#include "core/sound/SoundOutput.h"
#include "core/sound/SpeechEngine.h"

// What plays when the audio module is missing or broken: nothing, the way
// the real back end behaves on a machine without a sound device, so that
// practice goes on.
class SilentSoundBackend : public SoundBackend
{
public:
    SoundOutput &output() override { return m_output; }
    SpeechEngine &speechEngine() override { return m_speech; }
    MusicOutput &music() override { return m_music; }
    MidiOutput &midi() override { return m_midi; }

private:
    class NoOutput : public SoundOutput
    {
    public:
        void preload(const QString &) override {}
        bool play(const QString &) override { return false; }
        bool playToEnd(const QString &) override { return false; }
        void playDefaultSound() override {}
        void playSpeech(const QByteArray &) override {}
        int deviceCount() const override { return 0; }
    };
    class NoSpeech : public SpeechEngine
    {
    public:
        bool isReady() const override { return false; }
        bool speak(const QString &, const SpeechVoice &, int) override { return false; }
    };
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

    NoOutput m_output;
    NoSpeech m_speech;
    NoMusic m_music;
    NoMidi m_midi;
};
