// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MixerDevice.h"

#include "core/sound/EffectVoices.h"

#include <QtDebug>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// As small as the effects' device: a note of the keyboard music follows its
// key within a few milliseconds.
constexpr int bufferFrames = 256;
constexpr int preferredFrequency = 44100;

// Runs on the mixer's audio thread after the music and the channel.
void mixEffects(void *effects, Uint8 *stream, int length)
{
    static_cast<EffectVoices *>(effects)->mixInto(stream, length);
}

} // namespace

MixerDevice::MixerDevice(EffectVoices *effects)
{
    // SDL would otherwise take SIGINT and SIGTERM for events nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        // The device's own rate is taken when it differs, so SDL does not
        // resample every buffer on the way out.
        m_open = open(preferredFrequency, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) || openInPlaceOf(effects);
        if (!m_open)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (!m_open) {
        qWarning().noquote() << "The music's sound stream could not be opened, music and notes stay silent:"
                             << SDL_GetError();
        return;
    }
    Mix_AllocateChannels(synthChannel + 1);
    // The channel has its owner; none is free for "any channel" playing.
    Mix_ReserveChannels(synthChannel + 1);
}

MixerDevice::~MixerDevice()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    // Taken under the mixer's lock: once it returns, the effects are not
    // mixed here again.
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    if (m_effects)
        m_effects->takeBack();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerDevice::open(int frequency, int allowedChanges)
{
    // The name a sound server's mixer shows beside the effects' stream.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "背景音乐");
    return Mix_OpenAudioDevice(frequency, AUDIO_S16SYS, 2, bufferFrames, nullptr, allowedChanges) == 0;
}

bool MixerDevice::openInPlaceOf(EffectVoices *effects)
{
    const int frequency = effects ? effects->handOver() : 0;
    if (frequency == 0)
        return false;
    // Exactly the voices' format, so their samples are added as they are.
    if (!open(frequency, 0)) {
        const QByteArray problem = SDL_GetError();
        effects->takeBack();
        SDL_SetError("%s", problem.constData());
        return false;
    }
    m_effects = effects;
    Mix_SetPostMix(&mixEffects, effects);
    return true;
}
