// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "FakeSoundOutput.h"

QStringList FakeSoundOutput::played() const
{
    const QMutexLocker lock(&m_guard);
    return m_played;
}

QList<QByteArray> FakeSoundOutput::speech() const
{
    const QMutexLocker lock(&m_guard);
    return m_speech;
}

void FakeSoundOutput::clear()
{
    const QMutexLocker lock(&m_guard);
    m_played.clear();
}

bool FakeSoundOutput::play(const QString &path)
{
    if (m_unplayable.contains(path))
        return false;
    record(QStringLiteral("play ") + path);
    return true;
}

bool FakeSoundOutput::playToEnd(const QString &path)
{
    if (m_unplayable.contains(path))
        return false;
    record(QStringLiteral("play to end ") + path);
    return true;
}

void FakeSoundOutput::playDefaultSound()
{
    record(QStringLiteral("default sound"));
}

void FakeSoundOutput::playSpeech(const QByteArray &wave)
{
    const QMutexLocker lock(&m_guard);
    m_played.append(QStringLiteral("speech"));
    m_speech.append(wave);
}

void FakeSoundOutput::record(const QString &entry)
{
    const QMutexLocker lock(&m_guard);
    m_played.append(entry);
}
