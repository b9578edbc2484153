// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/TypingGame.h"

#include "core/platform/Prompter.h"

TypingGame::TypingGame(Prompter &prompter, QObject *parent) : QObject(parent), m_prompter(prompter) {}

void TypingGame::stop()
{
    m_active = false;
    setTimersOn(false);
}

void TypingGame::setFocused(bool focused)
{
    if (m_active)
        setTimersOn(focused);
}

void TypingGame::setScore(int score)
{
    if (score == m_score)
        return;
    m_score = score;
    emit sceneChanged();
    applyScoreRules();
}

void TypingGame::setLevel(int level)
{
    m_level = level;
    emit sceneChanged();
}

void TypingGame::begin()
{
    ++m_generation;
    m_active = true;
    m_timersOn = true;
    // A restart may come with new intervals even while the timers were on.
    emit timersChanged();
    emit started();
}

void TypingGame::gameOver()
{
    m_active = false;
    setTimersOn(false);
    const Prompter::Answer answer = m_prompter.ask(QStringLiteral("游戏结束，是否重来？"), QStringLiteral("提示"),
                                                   Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes) {
        start();
        return;
    }
    ++m_generation;
    clearScene();
    emit sceneChanged();
    emit ended();
}

void TypingGame::abandon(const QString &text)
{
    ++m_generation;
    m_active = false;
    setTimersOn(false);
    m_prompter.inform(text, QStringLiteral("提示"), Prompter::Icon::Warning);
    clearScene();
    emit sceneChanged();
    emit ended();
}

int TypingGame::intervalOf(const std::array<int, 4> &intervals, qint16 speed)
{
    return speed >= 0 && speed < 4 ? intervals[std::size_t(speed)] : intervals[0];
}

void TypingGame::setTimersOn(bool on)
{
    if (on == m_timersOn)
        return;
    m_timersOn = on;
    emit timersChanged();
}
