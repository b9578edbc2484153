// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/GameWords.h"
#include "core/games/ShootingGame.h"
#include "gui/games/GameController.h"
#include "gui/games/GameServices.h"

class ShootingView;

// The shooting game "打字精英" on the game panel: the game with its words
// from the code lists, its picture `Play3Pic1` with the input box, and its
// timers `Play3Timer1` and the gun frames' `Play3Delay`.
class ShootingController : public GameController
{
    Q_OBJECT

public:
    ShootingController(GameServices services, QWidget *panel, QObject *parent = nullptr);

    ShootingGame &shooting() { return m_game; }
    ShootingView *view() const { return m_view; }

private:
    GameWords m_words;
    ShootingGame m_game;
    ShootingView *m_view;
};
