// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>

// Colours as the settings and skin files keep them: 32-bit values 0x00BBGGRR,
// or, with the top bit set, the number of a Windows system colour in the low
// byte (0x80000008 is the window text colour).
namespace WindowsColor {

// The colour a value names. A system colour takes the Windows default of
// that colour; an unknown system colour number is black.
QColor toQColor(qint32 value);

} // namespace WindowsColor
