// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "FakeSoundOutput.h"

bool FakeSoundOutput::play(const QString &path)
{
    if (m_unplayable.contains(path))
        return false;
    m_played.append(QStringLiteral("play ") + path);
    return true;
}

bool FakeSoundOutput::playToEnd(const QString &path)
{
    if (m_unplayable.contains(path))
        return false;
    m_played.append(QStringLiteral("play to end ") + path);
    return true;
}

void FakeSoundOutput::playSpeech(const QByteArray &wave)
{
    m_played.append(QStringLiteral("speech"));
    m_speech.append(wave);
}
