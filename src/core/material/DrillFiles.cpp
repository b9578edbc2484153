// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillFiles.h"

namespace DrillFiles {

QString englishWordFolder()
{
    return QStringLiteral("\\english\\word\\");
}

QString phraseFolder(const QString &inputMeans)
{
    return QStringLiteral("\\chinese\\") + inputMeans + QStringLiteral("\\phrase\\");
}

QString characterFolder(const QString &inputMeans)
{
    return QStringLiteral("\\Chinese\\") + inputMeans + QStringLiteral("\\word\\");
}

QString englishWordList(const QString &name)
{
    return QStringLiteral("\\English\\word\\") + fileName(name);
}

QString phraseList(const QString &inputMeans, const QString &name)
{
    return phraseFolder(inputMeans) + fileName(name);
}

QString characterPool(const QString &inputMeans, const QString &name)
{
    return QStringLiteral("\\chinese\\") + inputMeans + QStringLiteral("\\word\\") + fileName(name);
}

QString englishNumbers()
{
    return QStringLiteral("\\English\\number.txt");
}

QString chineseNumbers()
{
    return QStringLiteral("\\chinese\\number.txt");
}

QString fileName(const QString &name)
{
    return name + QStringLiteral(".txt");
}

} // namespace DrillFiles
