// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>

#include <span>

// Sounds made in memory (speech, the built-in beep) travel as RIFF WAVE
// bytes, the form the sound output reads files in.
namespace WaveFile {

// A WAVE file of 16-bit mono PCM samples at sampleRate (samples per second).
QByteArray fromMonoSamples(std::span<const qint16> samples, int sampleRate);

} // namespace WaveFile
