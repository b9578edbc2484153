// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The drill modes of the single-key box: what its targets are drawn from.
enum class DrillMode {
    Letters,          // "en": a letter of the letter set
    Characters,       // "ch": a character of the chosen pool
    NumberCharacters, // "chnu": a Chinese number character
    Digits,           // "nu": a digit
};

// The short name a drill mode goes by ("en", "ch", "chnu", "nu"), and back;
// any other name is no mode.
QString drillModeName(DrillMode mode);
std::optional<DrillMode> drillModeNamed(QStringView name);

// The word drill kinds of the word box, numbered as the word-list reader
// takes them.
enum class WordDrillKind {
    EnglishWords = 1,
    Phrases = 2,
    NumberWords = 3,
};
