// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The punctuation keys as Chinese input methods type them: "," gives "，",
// "." gives "。", "\" gives "、", "<" and ">" give "《" and "》", quotes
// alternate between opening and closing marks. After a digit typed directly,
// "." and "," stay as typed, for numbers such as 3.14 and 1,000.
class ChinesePunctuation
{
public:
    // The Chinese text of a key; empty for keys that stay as typed.
    QString of(QChar key);
    // A key that entered the box as typed (a digit, a letter, a space).
    void typedDirectly(QChar key) { m_afterDigit = key.isDigit(); }
    // A new text: quotes open again.
    void reset() { *this = ChinesePunctuation(); }

private:
    bool m_doubleOpen = false; // a “ is open
    bool m_singleOpen = false; // a ‘ is open
    bool m_afterDigit = false;
};
