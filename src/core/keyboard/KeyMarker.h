// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/keyboard/KeyCap.h"

#include <QString>
#include <QStringView>

// The key marked next on the on-screen keyboard. Marking a text without a key
// leaves the mark as it was, so the guide never goes blank in the middle of a
// text because of a character it cannot show; hiding clears it until the next
// key is marked.
class KeyMarker
{
public:
    // Marks the key of text (see PcKeyboardLayout::keyFor). Returns whether
    // the marked key changed; a text without a key changes nothing.
    bool mark(QStringView text);

    // Hides the mark. Returns whether a key was marked.
    bool conceal();

    // The marked key, or nullptr while nothing is marked.
    const KeyCap *markedKey() const { return m_key; }

    // The marked key for a screen reader: "下一个键：A（左手小指）",
    // "下一个键：空格（拇指）"; "未标出下一个键" while nothing is marked.
    QString description() const;

private:
    const KeyCap *m_key = nullptr;
};
