// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillDraw.h"

#include "core/material/RandomSource.h"

#include <QList>

namespace {

QString codeText(int code)
{
    return QString(QChar(char16_t(code)));
}

QString drawLetter(int letterSet, RandomSource &random)
{
    switch (letterSet) {
    case LetterSet::Lower:
        return codeText(random.below(26) + 'a');
    case LetterSet::Upper:
        return codeText(random.below(26) + 'A');
    case LetterSet::Mixed:
        return codeText(random.below(62) + 'A');
    default:
        return QString();
    }
}

} // namespace

QString open_type1(DrillMode drillMode, int letterSet, QStringView pool, RandomSource &random)
{
    switch (drillMode) {
    case DrillMode::Letters:
        return drawLetter(letterSet, random);
    case DrillMode::Characters:
    case DrillMode::NumberCharacters: {
        // Counted in characters, so one outside the basic plane is drawn whole.
        const QList<uint> characters = pool.toUcs4();
        if (characters.isEmpty())
            return QString();
        const char32_t drawn = characters.at(random.below(int(characters.size())));
        return QString::fromUcs4(&drawn, 1);
    }
    case DrillMode::Digits:
        return codeText(random.below(10) + '0');
    }
    return QString();
}
