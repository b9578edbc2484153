// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/FrogGame.h"

#include "core/games/GameTargets.h"
#include "core/material/RandomSource.h"
#include "core/settings/Settings.h"

namespace {

constexpr std::array<int, FrogGame::slotCount> slotLefts = {600, 1440, 2010, 3030, 3930, 4920, 5850, 6660, 7530, 8250};
// `P1Speed` 0 "慢", 1 "中", 2 "快", 3 "极快".
constexpr std::array<int, 4> fallIntervals = {100, 80, 50, 20};
constexpr int fillInterval = 30;
constexpr int splashInterval = 800;
constexpr int splashFrameInterval = 50; // one tick of `Delay`

// The frog looks towards the letter it catches.
FrogGame::Pupils pupilsTowards(int x, int y)
{
    const bool left = x < 3030;
    const bool right = x > 5850;
    if (y < 3340) {
        if (left)
            return {4140, 4440, 4920};
        if (right)
            return {4170, 4500, 4920};
    } else if (y > 4920) {
        if (left)
            return {4140, 4440, 4980};
        if (right)
            return {4200, 4530, 4980};
    }
    return {};
}

} // namespace

FrogGame::FrogGame(const Settings &settings, RandomSource &random, Prompter &prompter, QObject *parent)
    : TypingGame(prompter, parent), m_settings(settings), m_random(random)
{
    freeAllSlots();
}

int FrogGame::slotLeft(int index)
{
    return slotLefts[std::size_t(index)];
}

void FrogGame::start()
{
    m_fallInterval = intervalOf(fallIntervals, m_settings.P1Speed);
    freeAllSlots();
    setScore(1000);
    emit sceneChanged();
    begin();
}

void FrogGame::freeAllSlots()
{
    for (std::size_t i = 0; i < m_slots.size(); ++i)
        m_slots[i] = {QString(), slotLefts[i], freeTop};
}

bool FrogGame::isTimerOn(int timer) const
{
    if (timer == SplashFrame)
        return m_splash.frame != 0;
    return isRunning();
}

int FrogGame::interval(int timer) const
{
    switch (timer) {
    case Fill: return fillInterval;
    case Fall: return m_fallInterval;
    case Splash: return splashInterval;
    default: return splashFrameInterval;
    }
}

void FrogGame::tick(int timer)
{
    switch (timer) {
    case Fill: fill(); break;
    case Fall: fall(); break;
    case Splash: drawSplash(); break;
    case SplashFrame: nextSplashFrame(); break;
    }
}

void FrogGame::fill()
{
    bool filled = false;
    for (Slot &slot : m_slots) {
        if (!slot.text.isEmpty())
            continue;
        slot.text = GameTargets::drawTarget(m_settings.P1Text, m_random);
        filled = filled || !slot.text.isEmpty();
    }
    if (filled)
        emit sceneChanged();
}

void FrogGame::fall()
{
    const int game = generation();
    bool moved = false;
    for (Slot &slot : m_slots) {
        if (slot.text.isEmpty())
            continue;
        moved = true;
        if (slot.top < bottom) {
            slot.top += level() * 50;
            continue;
        }
        playSound(SoundEffects::GameSound::LetterDropped);
        slot = {QString(), slot.left, freeTop};
        setScore(score() - 50);
        // Game over started the game anew or ended it: the rest of this
        // tick belongs to the old scene.
        if (generation() != game)
            return;
    }
    if (moved)
        emit sceneChanged();
}

void FrogGame::key(QStringView typed)
{
    if (!isRunning())
        return;
    Slot *caught = nullptr;
    for (Slot &slot : m_slots) {
        // The lowest letter wins; of two at the same height the first slot.
        if (GameTargets::hits(typed, slot.text) && (!caught || slot.top > caught->top))
            caught = &slot;
    }
    if (!caught) {
        setScore(score() - 20);
        return;
    }
    m_pupils = pupilsTowards(caught->left, caught->top);
    m_tongueEnd = QPoint(caught->left, caught->top + slotHeight);
    playSound(SoundEffects::GameSound::LetterCaught);
    *caught = {QString(), caught->left, freeTop};
    emit sceneChanged();
    setScore(score() + 50);
}

void FrogGame::keyRelease()
{
    if (m_tongueEnd == mouth)
        return;
    m_tongueEnd = mouth;
    emit sceneChanged();
}

void FrogGame::drawSplash()
{
    const int n = m_random.below(100) + 1;
    if (!((n >= 21 && n <= 24) || (n >= 86 && n <= 89)))
        return;
    const int left = int(m_random.next() * 5551 + 1560);
    const int top = int(m_random.next() * 1021 + 4920);
    const bool wasShown = m_splash.frame != 0;
    m_splash = {3, QPoint(left, top)};
    m_splashTicks = 0;
    playSound(SoundEffects::GameSound::Splash);
    if (!wasShown)
        emit timersChanged();
    emit sceneChanged();
}

// The splash frames as `Delay` spaced them: 3, wait 3; 5, wait 3; 4 moved
// 200 twips left, wait 3; 6, wait 3, 200 left; 2, wait 4; empty.
void FrogGame::nextSplashFrame()
{
    if (m_splash.frame == 0)
        return;
    switch (++m_splashTicks) {
    case 3: m_splash.frame = 5; break;
    case 6:
        m_splash.frame = 4;
        m_splash.place.rx() -= 200;
        break;
    case 9: m_splash.frame = 6; break;
    case 12:
        m_splash.place.rx() -= 200;
        m_splash.frame = 2;
        break;
    case 16:
        m_splash.frame = 0;
        emit timersChanged();
        break;
    default: return;
    }
    emit sceneChanged();
}

void FrogGame::applyScoreRules()
{
    if (score() > 3000) {
        setScore(1000);
        setLevel(level() + 1);
        playSound(SoundEffects::GameSound::LevelUp);
        start();
    } else if (score() == 500) {
        playSound(SoundEffects::GameSound::ScoreWarning);
    } else if (score() <= 0) {
        gameOver();
    }
}

void FrogGame::clearScene()
{
    freeAllSlots();
    m_tongueEnd = mouth;
    if (m_splash.frame != 0) {
        m_splash.frame = 0;
        emit timersChanged();
    }
}
