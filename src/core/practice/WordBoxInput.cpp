// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/WordBoxInput.h"


void WordBoxInput::setWord(const QString &word)
{
    m_word = word;
    m_marks = QList<Mark>(word.size(), Mark::Plain);
    m_nextTarget = word.left(1);
}

bool WordBoxInput::change(QStringView typed)
{
    m_nextTarget = m_word.mid(typed.size(), 1);
    return !m_word.isEmpty() && typed.size() == m_word.size();
}

WordBoxInput::Press WordBoxInput::keyPress(char32_t code, QStringView typed, DrillCounts &counts)
{
    Press press;
    const bool backspace = code == KeyChar::Backspace;
    if (!backspace)
        ++counts.input;
    if (code == KeyChar::Tab || code == KeyChar::Escape)
        return press;
    if (code == KeyChar::Enter) {
        press.swallow = true;
        if (typed.size() == m_word.size()) {
            press.nextWord = true;
            press.sound = KeySound::WordDone;
        }
        return press;
    }
    if (typed.size() >= m_word.size())
        return press;

    const QString judged = backspace ? typed.right(1).toString()
                                     : QString::fromUcs4(&code, 1);
    const QString expected = backspace ? m_word.mid(typed.size() - 1, 1) : m_nextTarget;
    if (judged.isEmpty() || m_nextTarget.isEmpty())
        return press;

    const bool right = judged == expected;
    press.sound = right ? KeySound::Right : KeySound::Wrong;
    if (backspace) {
        int &judgedCount = right ? counts.correct : counts.wrong;
        if (judgedCount > 0)
            --judgedCount;
        --counts.input;
        return press;
    }
    press.markPosition = int(typed.size());
    press.mark = right ? Mark::Right : Mark::Wrong;
    m_marks[typed.size()] = press.mark;
    (right ? counts.correct : counts.wrong) += 1;
    return press;
}

WordBoxInput::KeyDown WordBoxInput::keyDown(int keyCode, WordDrillKind kind, int reciteKey, int cueKey)
{
    KeyDown down;
    if (kind == WordDrillKind::Phrases) {
        down.showCode = keyCode == cueKey;
        return down;
    }
    down.forceRepeat = true;
    down.speakWord = keyCode == reciteKey;
    return down;
}
