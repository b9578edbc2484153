// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One entry of a word, number-word or phrase file: what is to be typed and
// the hint shown under it.
struct DrillLine
{
    enum Format {
        Hash = 1,   // "apple#苹果": the word, "#", its meaning
        Phrase = 2, // "中国khlg": the phrase immediately followed by its code
    };

    QString target;
    QString hint;

    bool operator==(const DrillLine &) const = default;
};

// Splits a line of the given format. A Hash line is cut at its first "#"; a
// line without "#" has no entry (nullopt). A Phrase line is cut before its
// first character in the printable single-byte range 33 to 126: everything
// before it, spaces included, is the phrase, the rest the code; a line
// without such a character is all phrase with an empty code.
std::optional<DrillLine> SplitDrillLine(DrillLine::Format format, QStringView line);
