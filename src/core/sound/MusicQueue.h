// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The order the background music takes through its files: each in turn,
// the first again after the last. The queue ends when a whole round through
// the files has given less than a shortest round of music, so that a list
// of files that cannot be played, or that end at once, stops the player
// instead of keeping it busy.
class MusicQueue
{
public:
    // shortestRoundMs: the least music, in milliseconds, a round must give
    // for the next round to start.
    explicit MusicQueue(qint64 shortestRoundMs = 1000);

    // Starts over with files, the one at first (0 when out of range)
    // current; empty files end it.
    void start(const QStringList &files, qsizetype first = 0);
    void clear();

    const QStringList &files() const { return m_files; }
    // The position of the current file; -1 when the queue has ended.
    qsizetype position() const { return m_position; }
    // The file to play now; nullopt when the queue has ended.
    std::optional<QString> current() const;

    // The current file has played for playedMs (0: it could not be played)
    // and ended. Returns the file to play next, or nullopt when the queue
    // has ended.
    std::optional<QString> next(qint64 playedMs);

private:
    qint64 m_shortestRoundMs;
    QStringList m_files;
    qsizetype m_position = -1; // -1 once ended
    qsizetype m_roundSteps = 0;
    qint64 m_roundMs = 0;
};
