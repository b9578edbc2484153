// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

class RandomSource;

// The drill modes of the single-key box: what its targets are drawn from.
namespace DrillMode {
inline const QString Letters = QStringLiteral("en");
inline const QString Characters = QStringLiteral("ch");
inline const QString NumberCharacters = QStringLiteral("chnu");
inline const QString Digits = QStringLiteral("nu");
} // namespace DrillMode

// The letter sets of the letter drill, the entries of its chooser.
namespace LetterSet {
constexpr int Lower = 0;
constexpr int Upper = 1;
constexpr int Mixed = 2; // the 62 codes 65 to 126: letters and [ \ ] ^ _ ` { | } ~
} // namespace LetterSet

// The next target of the single-key box, drawn at random: a letter of the
// letter set in drill mode "en", a character of pool in "ch" and "chnu"
// (every character of the pool can come; an empty pool gives the empty
// text), a digit in "nu". Any other mode or letter set gives the empty text.
QString open_type1(const QString &drillMode, int letterSet, QStringView pool, RandomSource &random);
