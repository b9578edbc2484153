// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MixerDevice.h"

#include <QtDebug>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// As small as the effects' device: a note of the keyboard music follows its
// key within a few milliseconds.
constexpr int bufferFrames = 256;
constexpr int preferredFrequency = 44100;

} // namespace

MixerDevice::MixerDevice()
{
    // SDL would otherwise take SIGINT and SIGTERM for events nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const bool initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // The name a sound server's mixer shows beside the effects' stream.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "背景音乐");
    m_open = initialised
             && Mix_OpenAudioDevice(preferredFrequency, AUDIO_S16SYS, 2, bufferFrames, nullptr,
                                    SDL_AUDIO_ALLOW_FREQUENCY_CHANGE)
                    == 0;
    if (!m_open) {
        qWarning().noquote() << "The music's sound stream could not be opened, music and notes stay silent:"
                             << SDL_GetError();
        if (initialised)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
