// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/SdlAudioOutput.h"

#include "core/sound/DefaultSound.h"
#include "core/sound/WaveCheck.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtDebug>

#include <algorithm>
#include <cstring>

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

// 256 frames are under 6 ms at 44.1 or 48 kHz. A new sound waits at most one
// buffer to be mixed and about two more in the device, so a key sound is
// heard well within 20 ms of its key; the mixing runs on SDL's own
// high-priority thread, so a busy window does not make it crackle.
constexpr int bufferFrames = 256;
constexpr int preferredFrequency = 44100;
constexpr int deviceChannels = 2;
constexpr int bytesPerFrame = deviceChannels * int(sizeof(Sint16));

void warnUnplayable(const QString &path, const QString &problem)
{
    qWarning().noquote() << "声音文件无法播放：" + path + "：" + problem;
}

// The file's bytes in WaveCheck's plain form; empty, and named in the log,
// when it is missing or fails the check.
QByteArray checkedWave(const QString &path)
{
    QString problem;
    // Read through Qt so that names in any script work.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else if (file.size() > WaveCheck::MaxFileBytes) {
        problem = WaveCheck::message(WaveCheck::Problem::TooLarge);
    } else {
        // SDL's reader only ever sees a header the program wrote itself.
        const WaveCheck check = WaveCheck::of(file.readAll());
        if (check.problem == WaveCheck::Problem::None)
            return check.wave;
        problem = WaveCheck::message(check.problem);
    }
    warnUnplayable(path, problem);
    return {};
}

} // namespace

SdlAudioOutput::SdlAudioOutput()
{
    // SDL would otherwise take SIGINT and SIGTERM for events nobody reads,
    // and the program could no longer be ended; it handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (m_initialised && !openDevice()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_initialised = false;
    }
}

SdlAudioOutput::~SdlAudioOutput()
{
    // Once closed, the callback has ended and is not called again.
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioOutput::openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = preferredFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = deviceChannels;
    wanted.samples = bufferFrames;
    wanted.callback = &SdlAudioOutput::mix;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // The name a sound server's mixer shows beside the music's stream.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "音效与朗读");
    // The device's own rate is taken when it differs, so SDL does not
    // resample every buffer on the way out; the sounds are converted to it
    // once instead.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (m_device == 0)
        return false;
    if (obtained.freq != m_frequency) {
        // Sounds converted for another rate would play at the wrong pitch.
        m_frequency = obtained.freq;
        m_sounds.clear();
        m_defaultSound = converted(DefaultSound::wave());
        start(m_effect, {});
        start(m_speech, {});
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

int SdlAudioOutput::handOver()
{
    if (m_device == 0)
        return 0;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_handedOver = true;
    return m_frequency;
}

void SdlAudioOutput::takeBack()
{
    if (!m_handedOver)
        return;
    m_handedOver = false;
    openDevice();
}

QByteArray SdlAudioOutput::converted(const QByteArray &wave) const
{
    SDL_RWops *stream = SDL_RWFromConstMem(wave.constData(), int(wave.size()));
    if (!stream)
        return {};
    SDL_AudioSpec waveFormat{};
    Uint8 *read = nullptr;
    Uint32 readBytes = 0;
    if (!SDL_LoadWAV_RW(stream, 1, &waveFormat, &read, &readBytes))
        return {};
    QByteArray samples;
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, waveFormat.format, waveFormat.channels, waveFormat.freq, AUDIO_S16SYS,
                          deviceChannels, m_frequency)
        >= 0) {
        // SDL converts in place, in room for the largest step on the way.
        samples = QByteArray(qsizetype(readBytes) * conversion.len_mult, Qt::Uninitialized);
        std::memcpy(samples.data(), read, readBytes);
        conversion.buf = reinterpret_cast<Uint8 *>(samples.data());
        conversion.len = int(readBytes);
        if (SDL_ConvertAudio(&conversion) == 0) {
            // Whole frames only: the mixer takes four bytes at a time.
            samples.truncate(conversion.len_cvt - conversion.len_cvt % bytesPerFrame);
            samples.squeeze();
        } else {
            samples.clear();
        }
    }
    SDL_FreeWAV(read);
    return samples;
}

QByteArray SdlAudioOutput::sound(const QString &path)
{
    const auto kept = m_sounds.constFind(path);
    if (kept != m_sounds.constEnd())
        return *kept;
    // Every file is read once: one that cannot be played stays so for the
    // run (the caller's fallback plays instead) and is named once in the log,
    // rather than read again on every key.
    const QByteArray wave = m_waves.contains(path) ? m_waves.take(path) : checkedWave(path);
    const QByteArray samples = wave.isEmpty() ? QByteArray() : converted(wave);
    if (!wave.isEmpty() && samples.isEmpty())
        warnUnplayable(path, QString::fromUtf8(SDL_GetError()));
    m_sounds.insert(path, samples);
    return samples;
}

void SdlAudioOutput::start(Voice &voice, QByteArray samples)
{
    {
        const std::lock_guard lock(m_voicesGuard);
        voice.samples.swap(samples);
        voice.played = 0;
    }
    // The sound replaced is let go here, outside the lock.
}

bool SdlAudioOutput::effectPlaying()
{
    const std::lock_guard lock(m_voicesGuard);
    return m_effect.played < m_effect.samples.size();
}

void SdlAudioOutput::mix(void *self, Uint8 *stream, int length)
{
    SDL_memset(stream, 0, std::size_t(length));
    static_cast<SdlAudioOutput *>(self)->mixInto(stream, length);
}

void SdlAudioOutput::mixInto(unsigned char *stream, int length)
{
    const std::lock_guard lock(m_voicesGuard);
    for (Voice *voice : {&m_effect, &m_speech}) {
        const qsizetype left = voice->samples.size() - voice->played;
        if (left <= 0)
            continue;
        const int bytes = int(std::min<qsizetype>(left, length));
        SDL_MixAudioFormat(stream, reinterpret_cast<const Uint8 *>(voice->samples.constData()) + voice->played,
                           AUDIO_S16SYS, Uint32(bytes), SDL_MIX_MAXVOLUME);
        voice->played += bytes;
    }
}

void SdlAudioOutput::preload(const QString &path)
{
    // The file is read and checked now, but converted only when first played:
    // a converted sound takes many times the file's bytes, and most sounds
    // are never played in a session.
    if (isOpen() && !m_sounds.contains(path) && !m_waves.contains(path))
        m_waves.insert(path, checkedWave(path));
}

bool SdlAudioOutput::play(const QString &path)
{
    if (!isOpen())
        return true;
    QByteArray samples = sound(path);
    if (samples.isEmpty())
        return false;
    start(m_effect, std::move(samples));
    return true;
}

bool SdlAudioOutput::playToEnd(const QString &path)
{
    if (!isOpen())
        return true;
    QByteArray samples = sound(path);
    if (samples.isEmpty())
        return false;
    // A device that stops consuming audio must not hold the program for
    // longer than the sound itself.
    const qint64 limit = samples.size() * 1000 / (qint64(bytesPerFrame) * m_frequency) + 500;
    start(m_effect, std::move(samples));
    QElapsedTimer waited;
    waited.start();
    while (effectPlaying() && waited.elapsed() < limit)
        SDL_Delay(5);
    return true;
}

void SdlAudioOutput::playDefaultSound()
{
    if (isOpen() && !m_defaultSound.isEmpty())
        start(m_effect, m_defaultSound);
}

void SdlAudioOutput::playSpeech(const QByteArray &wave)
{
    if (!isOpen())
        return;
    // Converting to the device's format is the costly part (about 1 ms per
    // second of speech); it runs on the caller's thread, outside the lock.
    // The speech still playing stops for the new one.
    start(m_speech, converted(wave));
}

int SdlAudioOutput::deviceCount() const
{
    if (!isOpen())
        return 0;
    // Drivers that cannot list their devices answer -1; one is open.
    return std::max(1, SDL_GetNumAudioDevices(0));
}
