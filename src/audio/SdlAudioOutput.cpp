// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/SdlAudioOutput.h"

#include "core/sound/DefaultSound.h"
#include "core/sound/WaveCheck.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtDebug>

#include <algorithm>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int effectChannel = 0;
constexpr int speechChannel = 1;
constexpr int channelCount = SdlAudioOutput::synthChannel + 1;

// 256 frames are under 6 ms at 44.1 or 48 kHz. A new sound waits at most one
// buffer to be mixed and about two more in the device, so a key sound is
// heard well within 20 ms of its key; the mixing runs on SDL's own
// high-priority thread, so a busy window does not make it crackle.
constexpr int bufferFrames = 256;
constexpr int preferredFrequency = 44100;

// Chunks converted to the device's format when they are read, so playing
// one is only a pointer handed to the mixer.
Mix_Chunk *chunkFromBytes(const QByteArray &bytes)
{
    SDL_RWops *stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

// How long a chunk plays, from its length in the device's format.
qint64 playingMilliseconds(const Mix_Chunk *chunk)
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0)
        return 0;
    const qint64 bytesPerFrame = qint64(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    return qint64(chunk->alen) * 1000 / (bytesPerFrame * frequency);
}

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
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    // The device's own rate is taken when it differs, so SDL does not
    // resample every buffer on the way out.
    if (Mix_OpenAudioDevice(preferredFrequency, AUDIO_S16SYS, 2, bufferFrames, nullptr,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_open = true;
    Mix_AllocateChannels(channelCount);
    // Every channel has its owner; none is free for "any channel" playing.
    Mix_ReserveChannels(channelCount);
    m_defaultSound = chunkFromBytes(DefaultSound::wave());
}

SdlAudioOutput::~SdlAudioOutput()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk *kept : std::as_const(m_chunks)) {
        if (kept)
            Mix_FreeChunk(kept);
    }
    if (m_defaultSound)
        Mix_FreeChunk(m_defaultSound);
    if (m_speech)
        Mix_FreeChunk(m_speech);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk *SdlAudioOutput::chunk(const QString &path)
{
    const auto kept = m_chunks.constFind(path);
    if (kept != m_chunks.constEnd())
        return *kept;
    // Every file is read once: one that cannot be played stays so for the
    // run (the caller's fallback plays instead) and is named once in the log,
    // rather than read again on every key.
    const QByteArray wave = m_waves.contains(path) ? m_waves.take(path) : checkedWave(path);
    Mix_Chunk *loaded = wave.isEmpty() ? nullptr : chunkFromBytes(wave);
    if (!wave.isEmpty() && !loaded)
        warnUnplayable(path, QString::fromUtf8(SDL_GetError()));
    m_chunks.insert(path, loaded);
    return loaded;
}

void SdlAudioOutput::preload(const QString &path)
{
    // The file is read and checked now, but converted only when first played:
    // a converted chunk takes many times the file's bytes, and most sounds
    // are never played in a session.
    if (m_open && !m_chunks.contains(path) && !m_waves.contains(path))
        m_waves.insert(path, checkedWave(path));
}

bool SdlAudioOutput::play(const QString &path)
{
    if (!m_open)
        return true;
    Mix_Chunk *sound = chunk(path);
    if (!sound)
        return false;
    // A chunk played on a named channel replaces the one playing there.
    Mix_PlayChannel(effectChannel, sound, 0);
    return true;
}

bool SdlAudioOutput::playToEnd(const QString &path)
{
    if (!m_open)
        return true;
    Mix_Chunk *sound = chunk(path);
    if (!sound)
        return false;
    if (Mix_PlayChannel(effectChannel, sound, 0) < 0)
        return true;
    // A device that stops consuming audio must not hold the program for
    // longer than the sound itself.
    const qint64 limit = playingMilliseconds(sound) + 500;
    QElapsedTimer waited;
    waited.start();
    while (Mix_Playing(effectChannel) && waited.elapsed() < limit)
        SDL_Delay(5);
    return true;
}

void SdlAudioOutput::playDefaultSound()
{
    if (m_open && m_defaultSound)
        Mix_PlayChannel(effectChannel, m_defaultSound, 0);
}

void SdlAudioOutput::playSpeech(const QByteArray &wave)
{
    if (!m_open)
        return;
    // Converting to the device's format is the costly part (about 1 ms per
    // second of speech); it runs on the caller's thread, outside the lock.
    Mix_Chunk *speech = chunkFromBytes(wave);
    const std::lock_guard lock(m_speechGuard);
    // Freeing a chunk halts the channel playing it, so the old speech stops
    // before its memory goes.
    if (m_speech)
        Mix_FreeChunk(m_speech);
    m_speech = speech;
    if (m_speech)
        Mix_PlayChannel(speechChannel, m_speech, 0);
}

int SdlAudioOutput::deviceCount() const
{
    if (!m_open)
        return 0;
    // Drivers that cannot list their devices answer -1; one is open.
    return std::max(1, SDL_GetNumAudioDevices(0));
}
