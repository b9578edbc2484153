// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillKinds.h"

#include <QString>
#include <QStringView>

class RandomSource;

// The letter sets of the letter drill, the entries of its chooser.
namespace LetterSet {
constexpr int Lower = 0;
constexpr int Upper = 1;
constexpr int Mixed = 2; // the 62 codes 65 to 126: letters and [ \ ] ^ _ ` { | } ~
} // namespace LetterSet

// The next target of the single-key box, drawn at random: a letter of the
// letter set for letters, a character of pool for characters and number
// characters (every character of the pool can come; an empty pool gives the
// empty text), a digit for digits. A letter set out of range gives the empty
// text.
QString open_type1(DrillMode drillMode, int letterSet, QStringView pool, RandomSource &random);
