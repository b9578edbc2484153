// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GamePanel.h"

#include "core/app/ShellState.h"
#include "core/games/TypingGame.h"
#include "gui/games/FrogController.h"
#include "gui/games/GameScene.h"
#include "gui/games/MoleController.h"
#include "gui/games/ShootingController.h"

GamePanel::GamePanel(GameServices services, ShellState &shellState, Shell shell, QWidget *parent)
    : QFrame(parent),
      m_shellState(shellState),
      m_shell(std::move(shell)),
      m_frog(new FrogController(services, this, this)),
      m_moles(new MoleController(services, this, this)),
      m_shooting(new ShootingController(services, this, this))
{
    setObjectName(QStringLiteral("Frame14"));
    setAccessibleName(QStringLiteral("打字游戏"));
    for (GameController *game : games()) {
        connect(game, &GameController::ended, this, [this] { m_shell.showStartPicture(); });
        connect(game->scene(), &GameScene::clicked, this, [this] { m_shell.Conceal_Menu(); });
    }
}

void GamePanel::pause()
{
    for (GameController *game : games())
        game->game().setFocused(false);
}

QList<GameController *> GamePanel::games() const
{
    return {m_frog, m_moles, m_shooting};
}

void GamePanel::startGame(int item)
{
    m_shell.Conceal_Menu();
    m_shell.Cleanup();
    m_shell.showGamePanel();
    for (GameController *game : games())
        game->stop();
    switch (item) {
    case Frog:
        m_shellState.currentMode = PracticeMode::Frog;
        m_frog->start();
        break;
    case Moles:
        m_shellState.currentMode = PracticeMode::Moles;
        m_moles->start();
        break;
    case Shooting:
        m_shellState.currentMode = PracticeMode::Shooting;
        m_shooting->start();
        break;
    default: break;
    }
}
