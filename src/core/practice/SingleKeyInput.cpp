// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/SingleKeyInput.h"

#include "core/material/DrillDraw.h"
#include "core/practice/KeySound.h"

#include <QList>

namespace SingleKeyInput {

Press keyPress(char32_t code, QStringView target, DrillCounts &counts)
{
    Press press;
    if (code != KeyChar::Backspace)
        ++counts.input;
    // Nothing to compare with: an empty pool or folder left no target.
    if (target.isEmpty())
        return press;

    const char32_t expected = QStringView(target).toUcs4().value(0);
    if (code != expected) {
        press.sound = KeySound::Wrong;
        press.emptyBox = true;
        if (code != KeyChar::Backspace)
            ++counts.wrong;
        return press;
    }
    press.sound = KeySound::Right;
    press.right = true;
    ++counts.correct;
    return press;
}

KeyDown keyDown(int keyCode, DrillMode drillMode, int reciteKey, int cueKey)
{
    if (drillMode == DrillMode::Letters && keyCode == reciteKey)
        return KeyDown::SpeakTarget;
    if (drillMode == DrillMode::Characters && keyCode == cueKey)
        return KeyDown::ShowCode;
    return KeyDown::None;
}

} // namespace SingleKeyInput
