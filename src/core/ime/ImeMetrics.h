// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// What Chinese typists measure themselves by, counted while the built-in
// input method is on:
// - 击键: keys per second, every key pressed in the typing box counted
//   (letters, Space, digits that pick a candidate, page keys, Backspace, Esc,
//   punctuation), over the seconds of the exercise clock;
// - 码长: keys per character, the same keys over the characters that entered
//   the box (committed or typed directly; Backspace takes none away).
// Both show with two decimals, "0.00" while nothing is counted.
class ImeMetrics
{
public:
    void countKey() { ++m_keys; }
    void countCharacters(qsizetype characters) { m_characters += characters; }
    void reset() { *this = ImeMetrics(); }

    qint64 keys() const { return m_keys; }
    qint64 characters() const { return m_characters; }

    QString keysPerSecondText(qint64 elapsedSeconds) const;
    QString keysPerCharacterText() const;
    // Both as one text under Caption, "3.20/2.45".
    QString figuresText(qint64 elapsedSeconds) const;

    static const QString Caption;   // "击键/码长："
    static const QString Explained; // what the two figures count, for tooltips and screen readers

private:
    qint64 m_keys = 0;
    qint64 m_characters = 0;
};
