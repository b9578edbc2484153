// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundEffects.h"

#include <QObject>

#include <array>

class Prompter;

// What the three typing games share: a score that starts at 1000 and runs
// the game's score rules at every change, a level that lives for the whole
// run, the game timers that run while the game has the focus, and the end of
// a game with "游戏结束，是否重来？".
//
// A game keeps no timers of its own: it names them (tick(), interval(),
// isTimerOn()) and the view runs one timer for each, so tests call tick()
// directly. Sounds leave as soundWanted(); the level-up fanfare is expected to
// have ended when the connected slot returns.
class TypingGame : public QObject
{
    Q_OBJECT

public:
    explicit TypingGame(Prompter &prompter, QObject *parent = nullptr);

    // Starts (or restarts) the game: a fresh scene, score 1000, the level
    // kept, the game timers on.
    virtual void start() = 0;
    // The games menu switches a game's timers off before it starts any game;
    // the game stays as it was until it is started again.
    void stop();

    // The game's picture or input box got (true) or lost (false) the focus:
    // a running game goes on or pauses. A stopped or ended game stays so.
    void setFocused(bool focused);

    // Started and not yet over or stopped.
    bool isActive() const { return m_active; }
    // Active and not paused: the main game timers (not the animation
    // timers) are on, and keys count.
    bool isRunning() const { return m_timersOn; }

    int score() const { return m_score; }
    int level() const { return m_level; }

    // The game's timers, numbered by the game's Timer enum: their state,
    // their interval in milliseconds, and one tick of each.
    virtual int timerCount() const = 0;
    virtual bool isTimerOn(int timer) const = 0;
    virtual int interval(int timer) const = 0;
    virtual void tick(int timer) = 0;

signals:
    // Anything shown on the scene changed (targets, counts, positions,
    // pictures, score, level).
    void sceneChanged();
    // A timer went on or off, or changed its interval.
    void timersChanged();
    void soundWanted(SoundEffects::GameSound sound);
    // The game (re)started: its view takes the focus.
    void started();
    // The player ended the game (No at game over), or it could not go on:
    // the start picture takes the game panel's place.
    void ended();

protected:
    // Sets the score; a change runs the game's score rules.
    void setScore(int score);
    virtual void applyScoreRules() = 0;
    void setLevel(int level);
    void playSound(SoundEffects::GameSound sound) { emit soundWanted(sound); }

    // Marks the game started with its timers on; the last step of start().
    void begin();
    // Game over: the timers go off and the player is asked whether to play
    // again; Yes starts the game anew, No clears the scene and ends it.
    void gameOver();
    // The game cannot go on: the timers go off, text is shown as a notice and
    // the game ends with its scene cleared.
    void abandon(const QString &text);
    // Empties the scene after the game ended.
    virtual void clearScene() = 0;

    // Counts starts, so a loop over a scene can tell that the score rules
    // started or ended the game half-way through it.
    int generation() const { return m_generation; }

    // The interval of a speed setting 0 to 3 in a game's table; any other
    // value, which would leave the timer without an interval, gets speed 0's.
    static int intervalOf(const std::array<int, 4> &intervals, qint16 speed);

private:
    void setTimersOn(bool on);

    Prompter &m_prompter;
    int m_score = 1000;
    int m_level = 1;
    bool m_active = false;
    bool m_timersOn = false;
    int m_generation = 0;
};
