// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <QString>

// Paths kept in a user's settings (the background music, the articles opened
// last) must name the same file when they are read back, and a settings
// value reads back as 127 bytes of GBK at most: an absolute path below a
// program folder with Chinese folder names passes that easily and would come
// back cut, naming another file. Such a path is written relative to the
// program folder instead, as a literal beginning with "\" like the program's
// own data paths ("\Music\钢琴曲\月光.mid"); a path elsewhere that does not
// fit cannot be kept and is refused when it is chosen.
namespace SettingsPath {

enum class Storage {
    Whole,        // written as it is
    Relative,     // written relative to the program folder
    TooLong,      // refused: it does not fit, even relative to the program folder
    Unstorable,   // refused: GBK cannot hold a character of it
};

// How the path is kept in the settings file. Empty paths and paths that
// read back whole are kept Whole.
Storage storageOf(const QString &path, const ProgramFolder &folder);

// The text the settings file holds for the path: the path itself or its
// literal relative to the program folder. A refused path is written as it
// is, and reads back cut like any value too long.
QString toFileText(const QString &path, const ProgramFolder &folder);

// The path that a text of the settings file names: a literal that begins
// with a single "\" below the program folder (components matched without
// regard to case), anything else as it is.
QString fromFileText(const QString &text, const ProgramFolder &folder);

// The message for a path chosen by the user that cannot be kept; "" when it
// can.
QString refusal(const QString &path, const ProgramFolder &folder);

} // namespace SettingsPath
