// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The program's own check of a sound file before it goes to the sound
// device: a RIFF WAVE file of plain samples whose blocks lie inside the file.
// What passes is rewritten in one plain form (the RIFF and WAVE marks, a
// 16-byte "fmt " block, the "data" block, sizes that agree), so the device's
// reader only ever meets headers the program wrote itself, whatever a damaged
// or hand-made file claims.
struct WaveCheck
{
    // Beyond these a file is refused before it is read: a key or game sound
    // is a second or two, and every sample is kept converted in memory.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    static constexpr int MaxSeconds = 300;

    enum class Problem {
        None,
        TooLarge,          // the file is larger than MaxFileBytes
        NotWave,           // no "RIFF" ... "WAVE" at its start (also an empty file)
        NoFormat,          // no "fmt " block of at least 16 bytes before the samples
        UnsupportedFormat, // not 8-, 16-, 24- or 32-bit integer or 32-bit float samples,
                           // 1 to 8 channels, 1,000 to 384,000 frames a second, with the
                           // frame size those give
        NoSamples,         // no "data" block, or one without a whole frame
        CutShort,          // a block claims more bytes than the file has left
        TooLong,           // plays longer than MaxSeconds
    };

    Problem problem = Problem::NotWave;
    QByteArray wave; // the playable file in the plain form; empty unless problem is None

    // Checks the bytes of a sound file. The RIFF size is not trusted (writers
    // get it wrong and nothing depends on it); every block size is checked
    // against the bytes that are really there, and the samples run to the
    // last whole frame of the "data" block. Blocks after "data" are dropped.
    static WaveCheck of(QByteArrayView bytes);

    // Why a file was refused, for the log; empty for None.
    static QString message(Problem problem);
};
