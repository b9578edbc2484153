// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The hot keys of the settings dialog: which keys may be one and the names
// its two key boxes show. Codes are Windows virtual-key codes.
namespace HotKeyNames {

// The name shown for a key code: "无" for 0, "F3" for 114, "NumPad7" for
// 103, "空格" for 32, the digit or capital letter itself, and
// "KeyCode:" + the code in decimal for a code without a name.
QString keyName(int code);

// Whether a key pressed in a key box becomes the hot key: F2 to F12 (113 to
// 123) only.
bool accepts(int code);

} // namespace HotKeyNames
