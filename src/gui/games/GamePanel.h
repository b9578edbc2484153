// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/games/GameServices.h"

#include <QFrame>

#include <functional>

class FrogController;
class GameController;
class InputBox;
class MoleController;
class ShootingController;
struct ShellState;

// The game panel `Frame14` with the three typing games of the menu
// "打字游戏(&Y)", and the menu's entry that starts one of them. A game, with
// its pictures, is made when it is first opened and kept from then on: most
// sessions open none.
class GamePanel : public QFrame
{
    Q_OBJECT

public:
    // What the panel asks of the main window.
    struct Shell
    {
        std::function<void()> Conceal_Menu;
        std::function<void()> Cleanup;
        // Shows `Frame14` and hides `Picture11`, `Frame9` and `Frame10`.
        std::function<void()> showGamePanel;
        // Shows `Picture11` and hides `Frame9`, `Frame10` and `Frame14`.
        std::function<void()> showStartPicture;
    };

    // The games entries of the menu.
    enum Item { Frog = 1, Moles = 2, Shooting = 3 };

    GamePanel(GameServices services, ShellState &shellState, Shell shell, QWidget *parent = nullptr);

    // The games menu entry with item 1 to 3: closes the menus, ends the
    // running exercise, shows the panel with every game stopped, then starts
    // that game. Any other item stops at the panel.
    void startGame(int item);
    // A menu of the menu bar opened: like a click elsewhere, it pauses the
    // running game until its picture is clicked or gets the focus again.
    void pause();

    // The games opened so far; null before a game's first opening.
    FrogController *frog() const { return m_frog; }
    MoleController *moles() const { return m_moles; }
    ShootingController *shooting() const { return m_shooting; }

signals:
    // The shooting game was made, on its first opening and before it starts:
    // its input box `Play3Text1`, for the built-in input method.
    void shootingMade(InputBox *box);

private:
    QList<GameController *> games() const;
    // Wires a game just made to the panel and the main window.
    void adopt(GameController *game);

    GameServices m_services;
    ShellState &m_shellState;
    Shell m_shell;
    FrogController *m_frog = nullptr;
    MoleController *m_moles = nullptr;
    ShootingController *m_shooting = nullptr;
};
