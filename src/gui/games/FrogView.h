// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/games/GameScene.h"

#include <array>

class FrogGame;

// The frog game's picture `PLAY1Pic1`: the pond, the bugs carrying the
// falling letters, the frog's pupils and tongue, the splash; the score
// `PLAY1Lab2` and level `PLAY1Lab4`. Keys typed on it go to the game.
class FrogView : public GameScene
{
    Q_OBJECT

public:
    explicit FrogView(FrogGame &game, QWidget *parent = nullptr);

protected:
    QList<Sprite> sprites() const override;
    void paintGame(QPainter &painter) override;
    QString targetsDescription() const override;

    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    // Tab is a key of the game, not a way out of it.
    bool focusNextPrevChild(bool next) override;

private:
    QRect bugRect(int slot) const;
    QRect tongueRect() const;

    FrogGame &m_game;
    QPixmap m_bug;
    std::array<QPixmap, 7> m_splash; // frames 2 to 6 at their numbers
};
