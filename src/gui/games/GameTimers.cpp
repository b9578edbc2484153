// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GameTimers.h"

#include "core/games/TypingGame.h"

#include <QTimer>

GameTimers::GameTimers(TypingGame &game, const QStringList &names, QObject *parent)
    : QObject(parent), m_game(game)
{
    for (int i = 0; i < game.timerCount(); ++i) {
        auto *timer = new QTimer(this);
        timer->setObjectName(names.value(i));
        // Letters fall every 20 ms at the top speed; a coarse timer would
        // make their steps uneven.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, i] { m_game.tick(i); });
        m_timers.append(timer);
    }
    connect(&game, &TypingGame::timersChanged, this, &GameTimers::follow);
    follow();
}

void GameTimers::follow()
{
    for (int i = 0; i < m_timers.size(); ++i) {
        QTimer *timer = m_timers[i];
        if (!m_game.isTimerOn(i)) {
            timer->stop();
            continue;
        }
        // Setting the interval of a running timer starts it anew; a timer
        // already on keeps its rhythm unless its interval changed.
        if (timer->interval() != m_game.interval(i))
            timer->setInterval(m_game.interval(i));
        if (!timer->isActive())
            timer->start();
    }
}
