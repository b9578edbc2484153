// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/games/TypingGame.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class GameWords;
struct Settings;

// The shooting game "打字精英": four signboards show words from the code
// lists; each has a count that runs down with the game tick. The word typed
// into the input box shoots its sign (+50) and the sign gets a new word on
// the next tick; a sign whose count runs out gets a new word and costs 50.
// Positions are twips inside the game picture `Play3Pic1`.
class ShootingGame : public TypingGame
{
    Q_OBJECT

public:
    enum Timer {
        Tick,      // `Play3Timer1`, by `P3Speed`: the counts run down
        ShotFrame, // 50 ms, one tick of `Delay`, while the gun fires: its next frame
    };

    static constexpr int signCount = 4;
    static constexpr QSize wordSize{1710, 405};
    static constexpr QSize countSize{345, 300};
    static constexpr QSize gunSize{1305, 1875};
    static constexpr QSize crosshairSize{855, 855};
    static constexpr QSize inputSize{1335, 375};
    // The count a new word starts from at every start of the game.
    static constexpr int fullCount = 15;

    struct Sign
    {
        QString word;              // `Play3Label2`(i)
        std::optional<int> count;  // `Play3Label1`(i); empty just after a hit
        bool red = false;          // the count is red, else black
    };

    // settings (P3Text, P3Speed, InputMeans), words and prompter must outlive
    // the game.
    ShootingGame(const Settings &settings, GameWords &words, Prompter &prompter, QObject *parent = nullptr);

    // Loads the code lists, puts new words on the four signs with counts
    // from 15, score 1000, the tick on. The input text, the crosshair, the
    // gun and the input box stay where they were. When no word can be drawn
    // the player is told why and the game ends.
    void start() override;

    // The input box `Play3Text1` now holds text (after a key, or a character
    // committed by an input method): a word typed whole shoots its sign; text
    // longer than a sign's word is cleared. A paused game only keeps the text.
    void typed(const QString &text);
    QString input() const { return m_input; }

    const Sign &sign(int index) const { return m_signs[std::size_t(index)]; }
    static QPoint wordPlace(int index);
    static QPoint countPlace(int index);
    int startingCount() const { return m_startingCount; }

    // Top left corners of the crosshair `Play3Image3`, the gun `Play3Image2`(0)
    // and the input box, which move to the sign shot last.
    QPoint crosshair() const { return m_crosshair; }
    QPoint gun() const { return m_gun; }
    QPoint inputBox() const { return m_inputBox; }
    // The gun's picture: 0 as at the program start, 1 to 4 the frames of a
    // shot (`Play3Image2`(1) to (4)); frame 4 stays after the shot.
    int gunFrame() const { return m_gunFrame; }

    int timerCount() const override { return 2; }
    bool isTimerOn(int timer) const override;
    int interval(int timer) const override;
    void tick(int timer) override;

signals:
    // The game emptied the input text: the box shows it empty.
    void inputCleared();

protected:
    void applyScoreRules() override;
    void clearScene() override;

private:
    void gameTick();
    void nextShotFrame();
    void shoot(int index);
    // A new word and a full count on the sign; false when no word could be
    // drawn, after which the game has ended.
    bool putUpWord(Sign &sign);
    void clearInput();

    const Settings &m_settings;
    GameWords &m_words;
    std::array<Sign, signCount> m_signs;
    int m_startingCount = fullCount;
    int m_tickInterval = 2000;
    QString m_loadError;
    QString m_input;
    QPoint m_crosshair{2910, 2160};
    QPoint m_gun{3450, 4155};
    QPoint m_inputBox{3450, 6015};
    int m_gunFrame = 0;
};
