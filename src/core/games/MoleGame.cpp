// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/MoleGame.h"

#include "core/games/GameTargets.h"
#include "core/material/RandomSource.h"
#include "core/settings/Settings.h"

#include <algorithm>

namespace {

// `P2Speed` 0 "慢", 1 "中", 2 "快", 3 "极快".
constexpr std::array<int, 4> tickIntervals = {1000, 800, 500, 200};
constexpr int riseInterval = 50;
constexpr int dazeInterval = 20;
constexpr int dazeTicks = 2;
// Enough draws to find a free hole at random in all but about one game in a
// hundred thousand; then the next free hole after the last draw is taken, so
// no draw sequence can hold the tick.
constexpr int holeDraws = 100;

constexpr std::array<MoleGame::Place, MoleGame::holeCount> places = {{
    {{1890, 3480}, {1950, 3210}, {2820, 3330}},
    {{1440, 4860}, {1500, 4590}, {2370, 4680}},
    {{3060, 3990}, {3150, 3720}, {3990, 3780}},
    {{4170, 4920}, {4230, 4650}, {5100, 4680}},
    {{4590, 3540}, {4650, 3270}, {5520, 3360}},
    {{5580, 4980}, {5640, 4710}, {6510, 4770}},
    {{6030, 3570}, {6090, 3300}, {6930, 3420}},
    {{7380, 4830}, {7470, 4560}, {8340, 4650}},
    {{270, 4500}, {345, 4200}, {1230, 4320}},
}};

// Once `P2MaxTime` has run out the moles come faster until the next level.
int shortened(int interval)
{
    switch (interval) {
    case 1000: return 800;
    case 800: return 500;
    case 500: return 200;
    default: return interval;
    }
}

} // namespace

MoleGame::MoleGame(Settings &settings, RandomSource &random, Prompter &prompter, QObject *parent)
    : TypingGame(prompter, parent), m_settings(settings), m_random(random)
{
}

MoleGame::Place MoleGame::place(int number)
{
    return places[std::size_t(number - 1)];
}

int MoleGame::mostMolesUp() const
{
    return std::clamp(int(m_settings.MaxTss), 1, holeCount);
}

void MoleGame::start()
{
    clearScene();
    m_tickInterval = intervalOf(tickIntervals, m_settings.P2Speed);
    m_molesUp = 0;
    setScore(1000);
    emit sceneChanged();
    begin();
}

void MoleGame::clearScene()
{
    for (Hole &hole : m_holes)
        hole = {};
    m_dazeTicks.fill(0);
    m_molesUp = 0;
}

bool MoleGame::anyPicture(Picture first, Picture second) const
{
    return std::any_of(m_holes.begin(), m_holes.end(),
                       [=](const Hole &hole) { return hole.picture == first || hole.picture == second; });
}

bool MoleGame::isTimerOn(int timer) const
{
    switch (timer) {
    case Tick: return isRunning();
    case Rise: return anyPicture(Picture::Mound, Picture::Peeking);
    default: return anyPicture(Picture::Dazed, Picture::Dazed);
    }
}

int MoleGame::interval(int timer) const
{
    switch (timer) {
    case Tick: return m_tickInterval;
    case Rise: return riseInterval;
    default: return dazeInterval;
    }
}

void MoleGame::tick(int timer)
{
    switch (timer) {
    case Tick: gameTick(); break;
    case Rise: nextRiseFrame(); break;
    case Daze: nextDazeFrame(); break;
    }
}

void MoleGame::gameTick()
{
    if (m_molesUp < mostMolesUp())
        bringUpMole();
    const int game = generation();
    for (Hole &hole : m_holes) {
        if (!hole.up)
            continue;
        --hole.count;
        if (hole.count < 3)
            hole.red = true;
        if (hole.count < 0) {
            --m_molesUp;
            emptyHole(hole, Picture::None);
            emit sceneChanged();
            setScore(score() - 50);
            if (generation() != game)
                return;
        }
    }
    emit sceneChanged();
}

void MoleGame::bringUpMole()
{
    int index = m_random.below(holeCount);
    for (int draw = 1; m_holes[std::size_t(index)].up && draw < holeDraws; ++draw)
        index = m_random.below(holeCount);
    while (m_holes[std::size_t(index)].up)
        index = (index + 1) % holeCount;
    Hole &hole = m_holes[std::size_t(index)];
    hole.red = false;
    if (m_settings.P2MaxTime < 1) {
        m_settings.P2MaxTime = 10;
        m_tickInterval = shortened(m_tickInterval);
    }
    hole.count = m_settings.P2MaxTime;
    hole.picture = Picture::Mound;
    m_dazeTicks[std::size_t(index)] = 0;
    playSound(SoundEffects::GameSound::MoleUp);
    hole.target = GameTargets::drawTarget(m_settings.P2Text, m_random);
    hole.up = true;
    ++m_molesUp;
    emit timersChanged();
}

// The mound shows for one tick of `Delay`, then the mole peeks out and
// stands up.
void MoleGame::nextRiseFrame()
{
    bool changed = false;
    for (Hole &hole : m_holes) {
        if (hole.picture == Picture::Mound) {
            hole.picture = Picture::Peeking;
            changed = true;
        } else if (hole.picture == Picture::Peeking) {
            hole.picture = Picture::Standing;
            changed = true;
        }
    }
    if (!changed)
        return;
    emit sceneChanged();
    if (!isTimerOn(Rise))
        emit timersChanged();
}

// A knocked-out mole stays dazed for `P2Delay`(2).
void MoleGame::nextDazeFrame()
{
    bool changed = false;
    for (std::size_t i = 0; i < m_holes.size(); ++i) {
        if (m_holes[i].picture != Picture::Dazed || ++m_dazeTicks[i] < dazeTicks)
            continue;
        m_holes[i].picture = Picture::None;
        changed = true;
    }
    if (!changed)
        return;
    emit sceneChanged();
    if (!isTimerOn(Daze))
        emit timersChanged();
}

void MoleGame::key(QStringView typed)
{
    if (!isRunning())
        return;
    Hole *hit = nullptr;
    for (Hole &hole : m_holes) {
        // The smallest count wins; of two equal counts the lower hole.
        if (hole.up && GameTargets::hits(typed, hole.target) && (!hit || hole.count < hit->count))
            hit = &hole;
    }
    if (!hit) {
        setScore(score() - 20);
        return;
    }
    playSound(SoundEffects::GameSound::MoleHit);
    m_dazeTicks[std::size_t(hit - m_holes.data())] = 0;
    --m_molesUp;
    emptyHole(*hit, Picture::Dazed);
    emit timersChanged();
    emit sceneChanged();
    setScore(score() + 50);
}

void MoleGame::emptyHole(Hole &hole, Picture picture)
{
    hole.up = false;
    hole.count = 0;
    hole.red = false;
    hole.target.clear();
    hole.picture = picture;
}

void MoleGame::applyScoreRules()
{
    if (score() >= 3000) {
        start();
        setScore(1000);
        setLevel(level() + 1);
        playSound(SoundEffects::GameSound::LevelUp);
        m_settings.P2MaxTime = qint16(m_settings.P2MaxTime - 1);
    } else if (score() <= 0) {
        gameOver();
    }
}
