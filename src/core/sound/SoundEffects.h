// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

#include <array>

class ProgramFolder;
class SoundOutput;

// The key sounds of the exercises and the effect sounds of the games, each a
// file of the program folder. Every sound starts at once and cuts off the
// effect still playing; a file that cannot be played is replaced by the
// output's default sound, except the level-up fanfare, which the games wait
// for and which stays silent when its file is missing.
class SoundEffects
{
public:
    enum class GameSound {
        ScoreWarning,  // first game: the score is exactly 500
        LetterCaught,  // first game: a key hits a falling letter
        LetterDropped, // first game: a letter reaches the bottom
        Splash,        // first game: a splash on the water
        MoleUp,        // second game: a mole comes up
        MoleHit,       // second game: a key hits a mole
        Shot,          // third game: the typed word hits a target
        LevelUp,       // every game: the level goes up (played to its end)
    };

    // Finds every sound file below the program folder and has the output
    // keep the key sounds ready, so the first key sound starts as quickly as
    // the rest.
    SoundEffects(const ProgramFolder &folder, SoundOutput &output);

    // Has the output keep the game sounds ready too; once is enough. Called
    // when a game is opened: most sessions never play one.
    void preloadGameSounds();

    // Kind 1 a wrong key, 2 a right key, 3 a drill item completed; other
    // kinds play nothing. Checks no setting: the callers decide whether key
    // sounds are on.
    void PlayKeySound(qint16 kind);

    // Starts the game sound; LevelUp returns only when the fanfare has ended.
    void playGameSound(GameSound sound);

private:
    void playWithFallback(const QString &path);

    SoundOutput &m_output;
    std::array<QString, 3> m_keySounds;
    std::array<QString, 8> m_gameSounds;
    bool m_gameSoundsPreloaded = false;
};
