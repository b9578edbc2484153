// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"

#include <QString>

// Where articles lie, as literals for ProgramFolder::path and
// ProgramFolder::resolve. The English menu works on the "english\" category
// folder, the Chinese menu on "chinese\".
namespace ArticleFolders {

// The name of the tree's node for the user's wrong-character practice files,
// and of the user's folder that holds them.
inline const QString WrongCharacters = QStringLiteral("错字练习");

// The article category folder: "english\" or "chinese\", with the backslash.
QString categoryFolder(Language language);

// Below the program folder: "\article\" + category folder.
QString articleFolder(Language language);

// Below the user folder: "\错字练习\" + category folder.
QString wrongCharacterFolder(Language language);

} // namespace ArticleFolders
