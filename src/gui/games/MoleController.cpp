// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/MoleController.h"

#include "gui/games/GameTimers.h"
#include "gui/games/MoleView.h"

MoleController::MoleController(GameServices services, QWidget *panel, QObject *parent)
    : GameController(parent),
      m_game(services.settings, services.random, services.prompter),
      m_view(new MoleView(m_game, panel))
{
    m_view->move(0, 1);
    const QStringList timers = {QStringLiteral("play2Timer1"), QStringLiteral("play2Delay"),
                                QStringLiteral("play2Timer3")};
    attach(m_game, m_view, new GameTimers(m_game, timers, this), services.soundEffects);
}
