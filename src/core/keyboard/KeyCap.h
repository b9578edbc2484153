// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/keyboard/Finger.h"

#include <QRect>
#include <QString>

// One key of a keyboard picture: where it is, what it shows and which finger
// types it. Character keys list the characters they type; named keys (Shift,
// Enter, ...) type none and are only drawn.
struct KeyCap
{
    int row = 0;         // 0 for the digits row down to 4 for the space-bar row
    QRect rect;          // the key's cell in the picture, in pixels
    QString label;       // the main label: upper-case letter, unshifted symbol or key name
    QString shiftLabel;  // the shifted symbol drawn above the label, if any
    QString name;        // how the key is named to a learner: "A", "1", "空格"
    QString typed;       // the characters the key types, each a match for the lookup
    Finger finger = Finger::Little;
    Hand hand = Hand::Left;
};
