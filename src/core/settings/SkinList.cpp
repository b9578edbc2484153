// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SkinList.h"

#include "core/platform/ProgramFolder.h"
#include "core/settings/IniFile.h"
#include "core/skins/SkinFile.h"

#include <QDir>

namespace SkinList {

QStringList listedSkins(const ProgramFolder &programFolder)
{
    const QDir skins(programFolder.path(QStringLiteral("\\skins\\")));
    QStringList listed;
    for (const QString &name : skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString named = IniRead(QStringLiteral("skin"), QStringLiteral("Name"),
                                      SkinFile::descriptionFile(programFolder, name));
        if (named == name)
            listed.append(name);
    }
    return listed;
}

QString note(const ProgramFolder &programFolder, const QString &name)
{
    const QString file = SkinFile::descriptionFile(programFolder, name);
    return QStringLiteral("制作人：") + IniRead(QStringLiteral("skin"), QStringLiteral("author"), file)
        + QLatin1Char('\n') + QStringLiteral("说  明：")
        + IniRead(QStringLiteral("skin"), QStringLiteral("explain"), file);
}

QString builtInNote()
{
    return QStringLiteral("制作人：Qintara 开发组 \n说  明：这是软件的默认皮肤！");
}

} // namespace SkinList
