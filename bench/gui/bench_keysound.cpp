// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// What a key handler pays for its key sound: PlayKeySound with the sound
// already read, on a real (dummy-driver) SDL2 device.
#include "core/platform/ProgramFolder.h"
#include "core/sound/SoundEffects.h"
#include "audio/SdlAudioOutput.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void playKeySound(benchmark::State &state)
{
    SdlAudioOutput output;
    if (!output.isOpen()) {
        state.SkipWithError("no sound device");
        return;
    }
    SoundEffects effects(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), output);
    qint16 kind = 1;
    for (auto _ : state) {
        effects.PlayKeySound(kind);
        kind = qint16(kind % 3 + 1);
    }
}

} // namespace

BENCHMARK(playKeySound)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    // Measures the program's side of the call, not a sound card's.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
