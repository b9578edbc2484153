// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/FrogGame.h"
#include "gui/games/GameController.h"
#include "gui/games/GameServices.h"

class FrogView;

// The frog game "青蛙吃虫" on the game panel: the game, its picture
// `PLAY1Pic1` and its timers `PLAY1Timer1`, `PLAY1Timer2`, `play1Timer3`
// and the splash frames' `play1Delay`.
class FrogController : public GameController
{
    Q_OBJECT

public:
    FrogController(GameServices services, QWidget *panel, QObject *parent = nullptr);

    FrogGame &frog() { return m_game; }
    FrogView *view() const { return m_view; }

private:
    FrogGame m_game;
    FrogView *m_view;
};
