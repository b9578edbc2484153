// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// Keys are stored and compared as Windows virtual-key codes (hot-key settings
// such as 114 for F3 are kept in that form in the users' settings files).
namespace VirtualKeys {

enum Code : int {
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    F1 = 112,
    F2 = 113,
    F3 = 114,
    F12 = 123,
};

// The virtual-key code of a Qt::Key value (letters A to Z, digits, F1 to F24,
// editing and cursor keys, Space, Enter on both the main block and the keypad),
// or 0 for a key without one.
int fromQtKey(int qtKey);

// The Qt::Key of a virtual-key code, or Qt::Key_unknown for none.
int toQtKey(int virtualKey);

} // namespace VirtualKeys
