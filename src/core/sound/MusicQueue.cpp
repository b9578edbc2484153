// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/MusicQueue.h"

MusicQueue::MusicQueue(qint64 shortestRoundMs)
    : m_shortestRoundMs(shortestRoundMs)
{
}

void MusicQueue::start(const QStringList &files, qsizetype first)
{
    m_files = files;
    m_position = files.isEmpty() ? -1 : (first >= 0 && first < files.size() ? first : 0);
    m_roundSteps = 0;
    m_roundMs = 0;
}

void MusicQueue::clear()
{
    start({});
}

std::optional<QString> MusicQueue::current() const
{
    if (m_position < 0)
        return std::nullopt;
    return m_files.at(m_position);
}

std::optional<QString> MusicQueue::next(qint64 playedMs)
{
    if (m_position < 0)
        return std::nullopt;
    m_roundMs += qMax<qint64>(0, playedMs);
    // A round is any run of as many files as the list holds, counted from
    // the start or from the end of the last round.
    if (++m_roundSteps == m_files.size()) {
        if (m_roundMs < m_shortestRoundMs) {
            m_position = -1;
            return std::nullopt;
        }
        m_roundSteps = 0;
        m_roundMs = 0;
    }
    m_position = (m_position + 1) % m_files.size();
    return m_files.at(m_position);
}
