// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/WaveCheck.h"

#include "FuzzSupport.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

using FuzzSupport::require;

// A sound file as the sound output reads it: what the program's check lets
// through goes to SDL, so SDL must take every such file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const WaveCheck check = WaveCheck::of(bytes);
    if (check.problem != WaveCheck::Problem::None) {
        require(check.wave.isEmpty(), "a refused file gives no sound");
        return 0;
    }
    require(!check.wave.isEmpty() && check.wave.size() <= bytes.size() + 44, "a sound is no larger than its file");
    const WaveCheck again = WaveCheck::of(check.wave);
    require(again.problem == WaveCheck::Problem::None && again.wave == check.wave,
            "the plain form passes the check unchanged");

    SDL_AudioSpec format;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    SDL_RWops *stream = SDL_RWFromConstMem(check.wave.constData(), int(check.wave.size()));
    require(stream != nullptr, "SDL reads from memory");
    if (!SDL_LoadWAV_RW(stream, 1, &format, &samples, &length)) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        require(false, "SDL takes every sound the check passes");
    }
    require(length > 0, "SDL finds samples in every sound the check passes");
    SDL_FreeWAV(samples);
    return 0;
}
