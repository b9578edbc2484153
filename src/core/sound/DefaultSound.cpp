// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/DefaultSound.h"

#include "core/sound/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

QByteArray DefaultSound::wave()
{
    constexpr int sampleRate = 22050;
    constexpr double seconds = 0.15;
    constexpr double frequency = 880.0;
    constexpr double attackSeconds = 0.004; // a hard start would click
    constexpr double decayPerSecond = 30.0;
    constexpr double peak = 0.35 * 32767;

    const int count = int(sampleRate * seconds);
    std::vector<qint16> samples(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        const double envelope = std::min(1.0, t / attackSeconds) * std::exp(-decayPerSecond * t);
        const double phase = 2 * std::numbers::pi * frequency * t;
        const double tone = 0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase);
        samples[std::size_t(i)] = qint16(std::lround(peak * envelope * tone));
    }
    return WaveFile::fromMonoSamples(samples, sampleRate);
}
