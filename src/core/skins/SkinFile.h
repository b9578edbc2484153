// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/skins/SkinDescription.h"

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>

class ProgramFolder;

// Reading skins: the folders under the program folder's "\skins\", each
// described by its "skin.ini".
namespace SkinFile {

// The skin folder: program folder + "\skins\" + name.
QString folder(const ProgramFolder &programFolder, const QString &name);
// Its description: program folder + "\skins\" + name + "\skin.ini".
QString descriptionFile(const ProgramFolder &programFolder, const QString &name);

// The name of a picture's drawing at twice the size, for HiDPI screens:
// "@2x" before the extension of the last component ("rim\left.png" gives
// "rim\left@2x.png", "caption" gives "caption@2x").
QString hiDpiName(const QString &name);

// A boolean of a description: the words True or False in any case, or a
// number (0 false, any other number true). nullopt for anything else, an
// empty value included.
std::optional<bool> boolean(QStringView text);

// A colour of a description: a decimal number in the colour encoding of the
// settings (red + 256 × green + 65536 × blue; with the top bit set, a system
// colour), rounded to an integer. nullopt when the text is not a number or
// does not fit 32 bits.
std::optional<QColor> colour(QStringView text);

} // namespace SkinFile

// Reads the 27 look keys of the "skin.ini" at path into description. Returns
// false, and leaves description as it was, when a boolean key is empty or
// not a boolean, which is also what a missing or unreadable file gives.
bool ReadSkinFile(const QString &path, SkinDescription &description);
