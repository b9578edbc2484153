// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleFolders.h"

namespace ArticleFolders {

QString categoryFolder(Language language)
{
    return language == Language::English ? QStringLiteral("english\\") : QStringLiteral("chinese\\");
}

QString articleFolder(Language language)
{
    return QStringLiteral("\\article\\") + categoryFolder(language);
}

QString wrongCharacterFolder(Language language)
{
    return QStringLiteral("\\") + WrongCharacters + QStringLiteral("\\") + categoryFolder(language);
}

} // namespace ArticleFolders
