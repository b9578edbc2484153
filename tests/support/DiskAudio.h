// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdlib>

// SDL's disk audio driver writes what the device plays as raw 16-bit samples.
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
