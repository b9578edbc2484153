// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>
#include <QString>

// The finger that types a key in touch typing, and the hand it belongs to.
// The keyboard guides colour every key by its finger, so a learner sees at a
// glance which finger to move.
enum class Finger { Little, Ring, Middle, Index, Thumb };
enum class Hand { Left, Right, Either };

// The guide colour of a finger: yellow little fingers, green ring fingers,
// pink middle fingers, blue index fingers and thumbs.
QColor fingerColour(Finger finger);

// The finger as a learner would name it, with its hand: "左手小指", "右手食指";
// a thumb of either hand is "拇指".
QString fingerName(Hand hand, Finger finger);
