// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

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
    EffectVoices *effectVoices() override { return nullptr; }

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

    NoOutput m_output;
    NoSpeech m_speech;
};
