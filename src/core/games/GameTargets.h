// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

class RandomSource;

// What the frog and the mole carry: the alphabet chosen by `P1Text` or
// `P2Text`, with the labels the settings dialog shows.
enum class TargetAlphabet : qint16 {
    LowerCase = 0, // "小写字母": "a" to "z"
    UpperCase = 1, // "大写字母": "A" to "Z"
    Digits = 2,    // "数字练习": "0" to "9"
    Mixed = 3,     // "所有混合": the 75 ASCII characters "0" to "z"
    Radicals = 4,  // "五笔字根": one of the 115 Wubi radicals
};

namespace GameTargets {

// The alphabet's label; empty for a value outside the set.
QString alphabetLabel(TargetAlphabet alphabet);

// The 115 radicals of the radical alphabet, in Wubi key order.
QStringView radicals();

// A new target of the alphabet setting (0 to 4), one draw of random; any
// other setting gives the empty text, which no key hits.
QString drawTarget(qint16 alphabetSetting, RandomSource &random);

// The hit rule of the frog and the mole: the typed character hits a target
// that is not empty and either equals it exactly (case counts) or occurs in
// the typed key's KeyInfo text (lower-cased), so "g" hits "王" and the keys
// whose texts hold an ASCII colon hit ":".
bool hits(QStringView typed, QStringView target);

} // namespace GameTargets
