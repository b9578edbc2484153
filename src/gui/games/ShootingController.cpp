// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/ShootingController.h"

#include "gui/games/GameTimers.h"
#include "gui/games/ShootingView.h"

ShootingController::ShootingController(GameServices services, QWidget *panel, QObject *parent)
    : GameController(parent),
      m_words(services.codeTable, services.random),
      m_game(services.settings, m_words, services.prompter),
      m_view(new ShootingView(m_game, panel))
{
    m_view->move(0, 1);
    const QStringList timers = {QStringLiteral("Play3Timer1"), QStringLiteral("Play3Delay")};
    attach(m_game, m_view, new GameTimers(m_game, timers, this), services.soundEffects);
}
