// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/WaveFile.h"

#include <QtEndian>

namespace {

void appendLittleEndian32(QByteArray &bytes, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

void appendLittleEndian16(QByteArray &bytes, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

} // namespace

QByteArray WaveFile::fromMonoSamples(std::span<const qint16> samples, int sampleRate)
{
    constexpr quint16 channels = 1;
    constexpr quint16 bytesPerSample = 2;
    const auto dataSize = quint32(samples.size() * bytesPerSample);

    QByteArray bytes;
    bytes.reserve(44 + int(dataSize));
    bytes.append("RIFF", 4);
    appendLittleEndian32(bytes, 36 + dataSize);
    bytes.append("WAVEfmt ", 8);
    appendLittleEndian32(bytes, 16);             // size of the format block
    appendLittleEndian16(bytes, 1);              // PCM
    appendLittleEndian16(bytes, channels);
    appendLittleEndian32(bytes, quint32(sampleRate));
    appendLittleEndian32(bytes, quint32(sampleRate) * channels * bytesPerSample);
    appendLittleEndian16(bytes, channels * bytesPerSample);
    appendLittleEndian16(bytes, 8 * bytesPerSample);
    bytes.append("data", 4);
    appendLittleEndian32(bytes, dataSize);
    for (const qint16 sample : samples)
        appendLittleEndian16(bytes, quint16(sample));
    return bytes;
}
