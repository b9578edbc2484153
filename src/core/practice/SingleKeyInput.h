// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillKinds.h"
#include "core/practice/DrillCounts.h"
#include "core/practice/KeySound.h"

#include <QString>
#include <QStringView>

// The keystroke rules of the single-key box Text1, whose target is the one
// character shown in Label2. Every keystroke is one item; a right key brings
// the next character.
namespace SingleKeyInput {

struct Press
{
    KeySound sound = KeySound::None;
    bool emptyBox = false; // a wrong key: the box is emptied
    bool right = false;    // the target was typed: draw the next one

    bool operator==(const Press &) const = default;
};

// A key press with its character code (a Unicode code point; 8 is
// Backspace). Every key but Backspace adds to the input count. The code is
// compared exactly with the target's first character, so "a" is wrong for
// "A" and a Chinese character from an input method is one character. A
// wrong key plays the wrong sound and empties the box, and counts as wrong
// unless it was Backspace; the right key plays the right sound and counts
// as right. Without a target (no material) only the input count changes.
Press keyPress(char32_t code, QStringView target, DrillCounts &counts);

enum class KeyDown {
    None,
    SpeakTarget, // letters and the read-aloud key: speak Label2
    ShowCode,    // Chinese characters and the hint key: show the target's code
};

// A key down with its virtual-key code in the given drill mode; the hot keys
// are the `ReciteKey` and `CueKey` settings.
KeyDown keyDown(int keyCode, DrillMode drillMode, int reciteKey, int cueKey);

} // namespace SingleKeyInput
