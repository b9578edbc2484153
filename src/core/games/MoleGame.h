// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/TypingGame.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>

#include <array>

class RandomSource;
struct Settings;

// The mole game "打田鼠": moles come out of nine holes, each with a target
// (as in the frog game) and a count that runs down with the game tick. A key
// knocks out the mole it hits with the smallest count (+50); a key that hits
// none costs 20; a mole whose count runs out escapes (-50). Positions are
// twips inside the game picture `play2Pic1`.
class MoleGame : public TypingGame
{
    Q_OBJECT

public:
    enum Timer {
        Tick, // `play2Timer1`, by `P2Speed`: a new mole, and the counts run down
        Rise, // 50 ms, one tick of `Delay`, while a mole comes out: its next picture
        Daze, // `play2Timer3`, 20 ms, while a knocked-out mole is shown: `P2Delay`
    };

    static constexpr int holeCount = 9;
    static constexpr QSize moleSize{990, 1065};
    static constexpr QSize targetSize{840, 240};
    static constexpr QSize countSize{225, 180};

    // The mole picture `play2Image7`(i): `play2Image1` a mound of earth,
    // `play2Image4` peeking out, `play2Image5` standing up, `play2Image6` dazed.
    enum class Picture { None, Mound, Peeking, Standing, Dazed };

    struct Hole
    {
        // A mole is up: its target `play2Label1` and count `play2Label2` are
        // shown; otherwise both are hidden and the count is empty.
        bool up = false;
        int count = 0;
        bool red = false; // the count is red (below 3), else window-text colour
        QString target;
        Picture picture = Picture::None;
    };

    // Top left corners of a hole's mole picture, target label and count label.
    struct Place
    {
        QPoint mole;
        QPoint target;
        QPoint count;
    };

    // settings (P2Text, MaxTss, P2Speed, P2MaxTime), random and prompter must
    // outlive the game. `P2MaxTime` is changed in place: the game lowers it at
    // every level, and the lowered value is saved with the settings.
    MoleGame(Settings &settings, RandomSource &random, Prompter &prompter, QObject *parent = nullptr);

    // Every hole empty, the tick interval from `P2Speed`, no mole up, score
    // 1000, the tick on.
    void start() override;

    // A key press on the game picture with the character typed; a paused
    // game takes no keys.
    void key(QStringView typed);

    // Holes are numbered 1 to 9.
    const Hole &hole(int number) const { return m_holes[std::size_t(number - 1)]; }
    static Place place(int number);
    // Moles up: the holes in use.
    int molesUp() const { return m_molesUp; }
    // `MaxTss` bounded to 1 to 9: more than nine moles cannot be up, and a
    // game without moles would only count down.
    int mostMolesUp() const;

    int timerCount() const override { return 3; }
    bool isTimerOn(int timer) const override;
    int interval(int timer) const override;
    void tick(int timer) override;

protected:
    void applyScoreRules() override;
    void clearScene() override;

private:
    void gameTick();
    void bringUpMole();
    void nextRiseFrame();
    void nextDazeFrame();
    void emptyHole(Hole &hole, Picture picture);
    bool anyPicture(Picture first, Picture second) const;

    Settings &m_settings;
    RandomSource &m_random;
    std::array<Hole, holeCount> m_holes;
    int m_molesUp = 0;
    int m_tickInterval = 1000;
    std::array<int, holeCount> m_dazeTicks {};
};
