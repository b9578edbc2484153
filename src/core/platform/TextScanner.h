// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QStringView>

#include <optional>

// Reads a short text from the left: runs of ASCII digits and single
// separators, for the fixed forms of dates and times in stored files.
class TextScanner
{
public:
    explicit TextScanner(QStringView text) : m_text(text) {}

    // The next run of ASCII digits, taken, when it is at least `least` long;
    // at most `most` digits are taken. Nothing is taken when the run is shorter.
    std::optional<QStringView> digits(qsizetype least, qsizetype most);

    // Takes c when it comes next.
    bool take(QChar c);

    // The next character, not taken; QChar() at the end.
    QChar next() const;

    bool atEnd() const { return m_at == m_text.size(); }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};
