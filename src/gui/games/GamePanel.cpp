// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GamePanel.h"

#include "core/app/ShellState.h"
#include "core/games/TypingGame.h"
#include "gui/games/FrogController.h"
#include "gui/games/GameScene.h"
#include "gui/games/MoleController.h"
#include "gui/games/ShootingController.h"
#include "gui/games/ShootingView.h"

GamePanel::GamePanel(GameServices services, ShellState &shellState, Shell shell, QWidget *parent)
    : QFrame(parent),
      m_services(services),
      m_shellState(shellState),
      m_shell(std::move(shell))
{
    setObjectName(QStringLiteral("Frame14"));
    setAccessibleName(QStringLiteral("打字游戏"));
}

void GamePanel::adopt(GameController *game)
{
    connect(game, &GameController::ended, this, [this] { m_shell.showStartPicture(); });
    connect(game->scene(), &GameScene::clicked, this, [this] { m_shell.Conceal_Menu(); });
}

void GamePanel::pause()
{
    for (GameController *game : games())
        game->game().setFocused(false);
}

QList<GameController *> GamePanel::games() const
{
    QList<GameController *> opened = {m_frog, m_moles, m_shooting};
    opened.removeAll(nullptr);
    return opened;
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
        if (!m_frog) {
            m_frog = new FrogController(m_services, this, this);
            adopt(m_frog);
        }
        m_frog->start();
        break;
    case Moles:
        m_shellState.currentMode = PracticeMode::Moles;
        if (!m_moles) {
            m_moles = new MoleController(m_services, this, this);
            adopt(m_moles);
        }
        m_moles->start();
        break;
    case Shooting:
        m_shellState.currentMode = PracticeMode::Shooting;
        if (!m_shooting) {
            m_shooting = new ShootingController(m_services, this, this);
            adopt(m_shooting);
            emit shootingMade(m_shooting->view()->Play3Text1());
        }
        m_shooting->start();
        break;
    default: break;
    }
}
