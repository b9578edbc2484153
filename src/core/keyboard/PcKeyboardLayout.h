// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/keyboard/KeyCap.h"

#include <QList>
#include <QSize>
#include <QStringView>

// The five-row PC keyboard of the on-screen keyboard guide: digits row with
// Backspace; Tab row; Caps Lock row with Enter; Shift row; Ctrl, Win, Alt,
// space bar, Alt, Win, Ctrl. Character keys are 40 x 35 pixels, the space bar
// is 220 pixels wide, row r starts at y = 35 r and every row fills the
// 580-pixel width. Geometry only; painting is the widget's business.
class PcKeyboardLayout
{
public:
    static constexpr int KeyWidth = 40;
    static constexpr int KeyHeight = 35;
    static constexpr int SpaceBarWidth = 220;
    static constexpr int RowCount = 5;

    // The size of the whole keyboard picture: 580 x 175 pixels.
    static QSize size();

    // Every key, row by row from the left, named keys included.
    static const QList<KeyCap> &keys();

    // The key that types text: the text is lower-cased and must then be
    // exactly one of the characters a key types ("A" and "a" are the a key,
    // "!" the 1 key, " " the space bar). Anything else -- the empty text,
    // more than one character, a Chinese character, a tab, the plain double
    // quote -- has no key: nullptr.
    static const KeyCap *keyFor(QStringView text);
};
