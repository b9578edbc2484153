// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/TypingGame.h"

#include <QPoint>
#include <QString>
#include <QStringView>

#include <array>

class RandomSource;
struct Settings;

// The frog game "青蛙吃虫": ten letters fall past the frog's pond in fixed
// columns; a key catches the lowest letter it hits (hit rule of
// GameTargets), the frog looks at it and its tongue reaches for it. A letter
// that reaches the bottom costs 50 points, a key that catches nothing 20, a
// catch gains 50. Positions are twips inside the game picture `PLAY1Pic1`.
class FrogGame : public TypingGame
{
    Q_OBJECT

public:
    enum Timer {
        Fill,        // `PLAY1Timer1`, 30 ms: free slots get new letters
        Fall,        // `PLAY1Timer2`, by `P1Speed`: the letters fall
        Splash,      // `play1Timer3`, 800 ms: now and then a splash on the water
        SplashFrame, // 50 ms, while a splash is shown: its next frame
    };

    static constexpr int slotCount = 10;
    static constexpr int slotWidth = 150;
    static constexpr int slotHeight = 300;
    // Where a free slot waits, and the bottom of the game picture, which a
    // falling letter must not reach.
    static constexpr int freeTop = 450;
    static constexpr int bottom = 6405;
    static constexpr QPoint mouth{4350, 5130};
    static constexpr int pupilSize = 75;

    // `Lab1`(i): a letter slot, free while its text is empty.
    struct Slot
    {
        QString text;
        int left = 0;
        int top = freeTop;
    };

    // `PLAY1Shape1` and `PLAY1Shape2`: lefts of the two pupils, common top.
    struct Pupils
    {
        int left1 = 4170;
        int left2 = 4470;
        int top = 4920;
        bool operator==(const Pupils &) const = default;
    };

    // `play1Image`: the splash frame shown (2 to 6, `PLAY1Image2` to
    // `PLAY1Image6`; 0 when the picture is empty) and its top left corner.
    struct SplashPicture
    {
        int frame = 0;
        QPoint place;
    };

    // settings (P1Text, P1Speed), random and prompter must outlive the game.
    FrogGame(const Settings &settings, RandomSource &random, Prompter &prompter, QObject *parent = nullptr);

    // The frog game start: the fall interval from `P1Speed`, the three timers
    // on, every slot free at the top, score 1000.
    void start() override;

    // A key press on the game picture with the character typed; a paused
    // game takes no keys.
    void key(QStringView typed);
    // A key release: the tongue goes back to the mouth.
    void keyRelease();

    const std::array<Slot, slotCount> &letterSlots() const { return m_slots; }
    static int slotLeft(int index);
    // The tongue `PLAY1Line1` runs from the mouth to this point.
    QPoint tongueEnd() const { return m_tongueEnd; }
    Pupils pupils() const { return m_pupils; }
    SplashPicture splash() const { return m_splash; }

    int timerCount() const override { return 4; }
    bool isTimerOn(int timer) const override;
    int interval(int timer) const override;
    void tick(int timer) override;

protected:
    void applyScoreRules() override;
    void clearScene() override;

private:
    void fill();
    void fall();
    void drawSplash();
    void nextSplashFrame();
    void freeAllSlots();

    const Settings &m_settings;
    RandomSource &m_random;
    std::array<Slot, slotCount> m_slots;
    int m_fallInterval = 100;
    QPoint m_tongueEnd = mouth;
    Pupils m_pupils;
    SplashPicture m_splash;
    int m_splashTicks = 0;
};
