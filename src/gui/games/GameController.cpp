// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GameController.h"

#include "core/games/TypingGame.h"
#include "core/sound/SoundEffects.h"
#include "gui/games/GameScene.h"
#include "gui/games/GameTimers.h"

GameController::GameController(QObject *parent) : QObject(parent) {}

void GameController::attach(TypingGame &game, GameScene *scene, GameTimers *timers, SoundEffects &sounds)
{
    m_game = &game;
    m_scene = scene;
    m_timers = timers;
    scene->hide();
    sounds.preloadGameSounds();
    // Direct: the level-up fanfare holds the game until it has ended.
    connect(&game, &TypingGame::soundWanted, this, [&sounds](SoundEffects::GameSound sound) {
        sounds.playGameSound(sound);
    });
    connect(&game, &TypingGame::started, this, [scene] { scene->gameFocus()->setFocus(Qt::OtherFocusReason); });
    connect(&game, &TypingGame::ended, this, &GameController::ended);
}

void GameController::start()
{
    m_scene->show();
    m_scene->raise();
    m_game->start();
}

void GameController::stop()
{
    m_scene->hide();
    m_game->stop();
}
