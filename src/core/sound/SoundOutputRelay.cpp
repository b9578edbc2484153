// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/SoundOutputRelay.h"

#include <utility>

void SoundOutputRelay::setOutput(SoundOutput &output)
{
    m_output = &output;
    for (const QString &path : std::exchange(m_preloads, {}))
        m_output->preload(path);
}

void SoundOutputRelay::preload(const QString &path)
{
    if (m_output)
        m_output->preload(path);
    else
        m_preloads.append(path);
}

bool SoundOutputRelay::play(const QString &path)
{
    return m_output && m_output->play(path);
}

bool SoundOutputRelay::playToEnd(const QString &path)
{
    return m_output && m_output->playToEnd(path);
}

void SoundOutputRelay::playDefaultSound()
{
    if (m_output)
        m_output->playDefaultSound();
}

void SoundOutputRelay::playSpeech(const QByteArray &wave)
{
    if (m_output)
        m_output->playSpeech(wave);
}

int SoundOutputRelay::deviceCount() const
{
    return m_output ? m_output->deviceCount() : 0;
}
