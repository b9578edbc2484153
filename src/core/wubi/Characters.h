// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QStringView>

// Characters as the code lists count them: a character outside the Basic
// Multilingual Plane (a surrogate pair, decoded from a four-byte GB18030
// sequence) is one character, like any other.
namespace Characters {

// The position just after the first n characters of text, or the end of text
// when it holds fewer.
inline qsizetype offsetAfter(QStringView text, qsizetype n)
{
    qsizetype at = 0;
    for (; n > 0 && at < text.size(); --n) {
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size()
                          && text.at(at + 1).isLowSurrogate();
        at += pair ? 2 : 1;
    }
    return at;
}

// The number of characters in text.
inline qsizetype count(QStringView text)
{
    qsizetype pairs = 0;
    for (qsizetype at = 1; at < text.size(); ++at) {
        if (text.at(at - 1).isHighSurrogate() && text.at(at).isLowSurrogate()) {
            ++pairs;
            ++at;
        }
    }
    return text.size() - pairs;
}

} // namespace Characters
