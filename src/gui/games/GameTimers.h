// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QTimer;
class TypingGame;

// The timers of one game: one QTimer for each timer the game names, running
// while the game says it is on, at the game's interval, and ticking the game.
class GameTimers : public QObject
{
    Q_OBJECT

public:
    // names are the timers' object names, in the game's Timer order.
    GameTimers(TypingGame &game, const QStringList &names, QObject *parent = nullptr);

    QTimer *timer(int index) const { return m_timers[index]; }

private:
    void follow();

    TypingGame &m_game;
    QList<QTimer *> m_timers;
};
