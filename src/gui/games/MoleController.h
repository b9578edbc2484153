// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/MoleGame.h"
#include "gui/games/GameController.h"
#include "gui/games/GameServices.h"

class MoleView;

// The mole game "打田鼠" on the game panel: the game, its picture
// `play2Pic1` and its timers `play2Timer1`, the rising moles' `play2Delay`
// and `play2Timer3` of `P2Delay`.
class MoleController : public GameController
{
    Q_OBJECT

public:
    MoleController(GameServices services, QWidget *panel, QObject *parent = nullptr);

    MoleGame &moles() { return m_game; }
    MoleView *view() const { return m_view; }

private:
    MoleGame m_game;
    MoleView *m_view;
};
