// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

// Sends what the next SDL sound device opened plays into recording, through
// SDL's disk audio driver; it writes raw 16-bit samples.
inline void recordNextDeviceInto(const QString &recording)
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", recording.toLocal8Bit());
}

// Counts the samples of such a recording that are clearly not silence.
inline qsizetype loudSamplesIn(const QString &recording)
{
    QFile file(recording);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
    return std::count_if(samples, samples + bytes.size() / 2,
                         [](qint16 s) { return std::abs(int(s)) > 1000; });
}
