// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/games/GameScene.h"

#include <array>

class MoleGame;

// The mole game's picture `play2Pic1`: the hill with nine holes, the moles
// `play2Image7`(i) with their targets `play2Label1`(i) and counts
// `play2Label2`(i); the score `play2Label4` and level `play2Label5`. Keys
// typed on it go to the game.
class MoleView : public GameScene
{
    Q_OBJECT

public:
    explicit MoleView(MoleGame &game, QWidget *parent = nullptr);

protected:
    QList<Sprite> sprites() const override;
    void paintGame(QPainter &painter) override;
    QString targetsDescription() const override;

    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    static QRect moleRect(int hole);
    static QRect targetRect(int hole);
    static QRect countRect(int hole);

    MoleGame &m_game;
    std::array<QPixmap, 5> m_moles; // by MoleGame::Picture
};
