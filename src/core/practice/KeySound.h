// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QtGlobal>

// The key sounds a keystroke rule asks for, numbered as PlayKeySound takes
// them. The panel plays them only while key sounds are switched on.
enum class KeySound : qint16 {
    None = 0,
    Wrong = 1,    // "\Music\sound\cw.WAV"
    Right = 2,    // "\Music\sound\type.wav"
    WordDone = 3, // "\Music\sound\enter.wav"
};

// The character codes of the control keys that reach the key-press rules.
namespace KeyChar {
constexpr char32_t Backspace = 8;
constexpr char32_t Tab = 9;
constexpr char32_t Enter = 13;
constexpr char32_t Escape = 27;
} // namespace KeyChar
