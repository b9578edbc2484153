// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/HelpPages.h"

#include "core/app/HelpContents.h"

#include <QStringList>


namespace {

const QString helpFile = QStringLiteral("help.chm::");

QString pageLiteral(const QString &fileName)
{
    return QLatin1Char('\\') + helpFile + QStringLiteral("html/") + fileName;
}

} // namespace

QString helpPageFor(PracticeMode mode)
{
    const QString fileName = helpFileOf(mode);
    return fileName.isEmpty() ? welcomeHelpPage() : pageLiteral(fileName);
}

QString welcomeHelpPage()
{
    return pageLiteral(welcomeHelpFile());
}

QString speechHelpPage()
{
    return pageLiteral(QStringLiteral("问-为什么我的Qintara不能朗读单词.htm"));
}

QString helpPagePath(const ProgramFolder &folder, const QString &pageLiteral)
{
    QString literal = pageLiteral;
    while (literal.startsWith(QLatin1Char('\\')) || literal.startsWith(QLatin1Char('/')))
        literal.remove(0, 1);
    if (!literal.startsWith(helpFile, Qt::CaseInsensitive))
        return {};
    const QStringList components =
        literal.mid(helpFile.size())
            .replace(QLatin1Char('/'), QLatin1Char('\\'))
            .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (components.isEmpty() || components.contains(QStringLiteral("..")))
        return {};
    return folder.path(QStringLiteral("\\help\\") + components.join(QLatin1Char('\\')));
}
