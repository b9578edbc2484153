// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>

class GameScene;
class GameTimers;
class SoundEffects;
class TypingGame;

// One game on the game panel: its core model, the picture that shows it and
// the timers that drive it, with the game's sounds played and its focus
// taken when it starts.
class GameController : public QObject
{
    Q_OBJECT

public:
    GameScene *scene() const { return m_scene; }
    TypingGame &game() const { return *m_game; }

    // The game's start from the games menu: its picture shows and the game
    // starts, with the focus on its picture or input box.
    void start();
    // Another game starts: the picture hides and the timers go off.
    void stop();

signals:
    // The game ended: the start picture takes the panel's place.
    void ended();

protected:
    explicit GameController(QObject *parent = nullptr);
    // Called once by the game's own controller when it has made them.
    void attach(TypingGame &game, GameScene *scene, GameTimers *timers, SoundEffects &sounds);

private:
    TypingGame *m_game = nullptr;
    GameScene *m_scene = nullptr;
    GameTimers *m_timers = nullptr;
};
