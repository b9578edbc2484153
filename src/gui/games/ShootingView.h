// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/games/GameScene.h"

#include <array>

class InputBox;
class ShootingGame;

// The shooting game's picture `Play3Pic1`: the meadow with four signboards,
// their words `Play3Label2`(i) and counts `Play3Label1`(i), the gun
// `Play3Image2`, the crosshair `Play3Image3` and the input box `Play3Text1`,
// whose focus runs the game; the score `play3Label4` and level `play3Label5`.
// Text committed by an input method counts as typed, one character at a time.
class ShootingView : public GameScene
{
    Q_OBJECT

public:
    explicit ShootingView(ShootingGame &game, QWidget *parent = nullptr);

    InputBox *Play3Text1() const { return m_Play3Text1; }

protected:
    QList<Sprite> sprites() const override;
    void paintGame(QPainter &painter) override;
    QString targetsDescription() const override;

private:
    void Play3Text1_Change();
    QRect inputBoxRect() const;
    QRect gunRect() const;
    QRect crosshairRect() const;
    static QRect countRect(int sign);

    ShootingGame &m_game;
    InputBox *m_Play3Text1; // the input box, below the gun
    std::array<QPixmap, 5> m_gun; // frames 1 to 4 at their numbers; 0 shows frame 4
    QPixmap m_crosshair;
};
