// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/FrogController.h"

#include "gui/games/FrogView.h"
#include "gui/games/GameTimers.h"

FrogController::FrogController(GameServices services, QWidget *panel, QObject *parent)
    : GameController(parent),
      m_game(services.settings, services.random, services.prompter),
      m_view(new FrogView(m_game, panel))
{
    m_view->move(0, 1);
    const QStringList timers = {QStringLiteral("PLAY1Timer1"), QStringLiteral("PLAY1Timer2"),
                                QStringLiteral("play1Timer3"), QStringLiteral("play1Delay")};
    attach(m_game, m_view, new GameTimers(m_game, timers, this), services.soundEffects);
}
