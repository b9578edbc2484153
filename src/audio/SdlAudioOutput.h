// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/EffectVoices.h"
#include "core/sound/SoundOutput.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <atomic>
#include <mutex>

// The program's sound device for effects and speech, opened through SDL2 when
// this object is made and closed when it goes. It mixes its two voices
// itself: the effect (a new one replaces it) and the speech. Sounds are read
// once and kept, converted to the device's format (16-bit stereo at the
// device's own rate) on their first play, and the device runs with a small
// buffer, so a key sound starts within a few milliseconds of play().
// Plain SDL2 keeps the codecs and the synthesizer that SDL2_mixer brings out
// of every run; the background music opens a stream of its own, or, where
// the driver opens one device only, plays these voices on its own device
// (EffectVoices). Without a usable device every call is silent and returns at once.
// Create one per program; call it from the thread that made it, except
// playSpeech(), which any thread may call.
class SdlAudioOutput : public SoundOutput, public EffectVoices
{
public:
    SdlAudioOutput();
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput &) = delete;
    SdlAudioOutput &operator=(const SdlAudioOutput &) = delete;

    // Whether the voices reach a sound device, their own or the music's.
    bool isOpen() const { return m_device != 0 || m_handedOver; }

    void preload(const QString &path) override;
    bool play(const QString &path) override;
    bool playToEnd(const QString &path) override;
    void playDefaultSound() override;
    void playSpeech(const QByteArray &wave) override;
    int deviceCount() const override;

    int handOver() override;
    void takeBack() override;
    void mixInto(unsigned char *stream, int length) override;

private:
    // A sound in the device's format and how far it has been played.
    struct Voice
    {
        QByteArray samples;
        qsizetype played = 0;
    };

    // The kept sound of a file, converted on first play only; empty for the
    // rest of the run when the file is missing or fails WaveCheck or SDL.
    QByteArray sound(const QString &path);
    // A RIFF WAVE in the device's format; empty when SDL cannot read it.
    QByteArray converted(const QByteArray &wave) const;
    // Opens the voices' own device; false when there is none to open.
    bool openDevice();
    // Puts samples on a voice from its start; what the voice held goes after
    // the lock is let go.
    void start(Voice &voice, QByteArray samples);
    bool effectPlaying();
    // SDL's callback on the device's audio thread.
    static void mix(void *self, quint8 *stream, int length);

    bool m_initialised = false; // SDL's audio, for this object
    quint32 m_device = 0;       // the own SDL_AudioDeviceID; 0 when none is open
    bool m_handedOver = false;  // the music's device plays the voices
    std::atomic<int> m_frequency{0}; // the rate sounds are converted to; read by the speech thread too
    QHash<QString, QByteArray> m_waves;  // preloaded, not yet played; empty for a file that cannot be played
    QHash<QString, QByteArray> m_sounds; // converted; empty for a file that cannot be played
    QByteArray m_defaultSound;
    std::mutex m_voicesGuard;
    Voice m_effect; // both guarded by m_voicesGuard
    Voice m_speech;
};
