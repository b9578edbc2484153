// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QChar>

// Character classes of the Chinese ANSI code page (GBK), the code page every
// text file of the program is written in.
namespace AnsiCode {

// True when GBK writes the character as two bytes: the Chinese characters,
// the full-width forms and symbols, and the user-defined areas (private-use
// characters U+E000 to U+E765). False for ASCII, for the one-byte euro sign,
// for characters GBK cannot hold (GB18030-only characters, U+FFFD from bad
// bytes), and for surrogates: a character outside the Basic Multilingual
// Plane is never double-byte, whichever of its halves is asked about.
bool isDoubleByte(QChar c);

} // namespace AnsiCode
