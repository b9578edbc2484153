// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/ShootingGame.h"

#include "core/games/GameWords.h"
#include "core/settings/Settings.h"

namespace {

// `P3Speed` 0 "慢", 1 "中", 2 "快", 3 "极快".
constexpr std::array<int, 4> tickIntervals = {2000, 1500, 1000, 500};
constexpr int shotFrameInterval = 50;

constexpr std::array<QPoint, ShootingGame::signCount> wordPlaces = {
    QPoint(195, 2010), QPoint(2460, 2370), QPoint(4680, 2550), QPoint(7020, 2640)};
constexpr std::array<QPoint, ShootingGame::signCount> countPlaces = {
    QPoint(1650, 1620), QPoint(3930, 1980), QPoint(6210, 2130), QPoint(8430, 2220)};

} // namespace

ShootingGame::ShootingGame(const Settings &settings, GameWords &words, Prompter &prompter, QObject *parent)
    : TypingGame(prompter, parent), m_settings(settings), m_words(words)
{
}

QPoint ShootingGame::wordPlace(int index)
{
    return wordPlaces[std::size_t(index)];
}

QPoint ShootingGame::countPlace(int index)
{
    return countPlaces[std::size_t(index)];
}

void ShootingGame::start()
{
    m_loadError.clear();
    m_words.load(m_settings.InputMeans, &m_loadError);
    m_startingCount = fullCount;
    setScore(1000);
    for (Sign &sign : m_signs) {
        if (!putUpWord(sign))
            return;
    }
    m_tickInterval = intervalOf(tickIntervals, m_settings.P3Speed);
    emit sceneChanged();
    begin();
}

bool ShootingGame::putUpWord(Sign &sign)
{
    const std::optional<QString> word = m_words.RandomGameWord(m_settings.P3Text);
    if (!word) {
        abandon(GameWords::noWordText(m_settings.P3Text, m_settings.InputMeans, m_loadError));
        return false;
    }
    sign.word = *word;
    sign.count = m_startingCount;
    sign.red = false;
    return true;
}

bool ShootingGame::isTimerOn(int timer) const
{
    if (timer == ShotFrame)
        return m_gunFrame >= 1 && m_gunFrame <= 3;
    return isRunning();
}

int ShootingGame::interval(int timer) const
{
    return timer == ShotFrame ? shotFrameInterval : m_tickInterval;
}

void ShootingGame::tick(int timer)
{
    if (timer == ShotFrame)
        nextShotFrame();
    else
        gameTick();
}

void ShootingGame::gameTick()
{
    const int game = generation();
    for (Sign &sign : m_signs) {
        if (!sign.count) {
            if (!putUpWord(sign))
                return;
        } else if (*sign.count > 2) {
            --*sign.count;
        } else if (*sign.count >= 1) {
            sign.red = true;
            --*sign.count;
        } else {
            // Time is up for this word.
            if (!putUpWord(sign))
                return;
            emit sceneChanged();
            setScore(score() - 50);
            if (generation() != game)
                return;
        }
    }
    emit sceneChanged();
}

void ShootingGame::typed(const QString &text)
{
    m_input = text;
    if (!isRunning())
        return;
    for (int i = 0; i < signCount; ++i) {
        // An empty box matches no word; it is also what clearing leaves.
        if (m_input.isEmpty())
            return;
        const QString &word = m_signs[std::size_t(i)].word;
        if (word.size() < m_input.size())
            clearInput();
        else if (word == m_input)
            shoot(i);
    }
}

void ShootingGame::shoot(int index)
{
    const QPoint word = wordPlaces[std::size_t(index)];
    m_crosshair = QPoint(word.x() + 450, word.y() - 150);
    m_gun.setX(m_crosshair.x());
    m_inputBox.setX(m_gun.x());
    clearInput();
    m_signs[std::size_t(index)].count.reset();
    const bool firing = isTimerOn(ShotFrame);
    m_gunFrame = 1;
    if (!firing)
        emit timersChanged();
    playSound(SoundEffects::GameSound::Shot);
    emit sceneChanged();
    setScore(score() + 50);
}

// The gun's frames, one tick of `Delay` apart: aimed, firing, aimed after
// the shot, held up.
void ShootingGame::nextShotFrame()
{
    if (!isTimerOn(ShotFrame))
        return;
    ++m_gunFrame;
    if (!isTimerOn(ShotFrame))
        emit timersChanged();
    emit sceneChanged();
}

void ShootingGame::clearInput()
{
    if (m_input.isEmpty())
        return;
    m_input.clear();
    emit inputCleared();
}

void ShootingGame::applyScoreRules()
{
    if (score() >= 3000) {
        start();
        if (!isActive())
            return;
        setScore(1000);
        setLevel(level() + 1);
        playSound(SoundEffects::GameSound::LevelUp);
        --m_startingCount;
    } else if (score() <= 0) {
        gameOver();
    }
}

void ShootingGame::clearScene()
{
    // The signs keep their words behind the start picture; only the shot in
    // flight ends.
    if (isTimerOn(ShotFrame)) {
        m_gunFrame = 4;
        emit timersChanged();
    }
}
