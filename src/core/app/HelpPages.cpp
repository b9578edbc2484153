// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/HelpPages.h"

#include "core/app/HelpContents.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {

const QString helpFile = QStringLiteral("help.chm::");

QString pageLiteral(const QString &fileName)
{
    return QLatin1Char('\\') + helpFile + QStringLiteral("html/") + fileName;
}

} // namespace

QString helpPageFor(const QString &modeName)
{
    static const std::array<std::pair<QString, QString>, 12> pages{{
        {QStringLiteral("字母练习"), QStringLiteral("使用说明-英-字母.htm")},
        {QStringLiteral("单词练习"), QStringLiteral("使用说明-英-单词.htm")},
        {QStringLiteral("英文章练习"), QStringLiteral("使用说明-英-文章.htm")},
        {QStringLiteral("单字练习"), QStringLiteral("使用说明-中-单字.htm")},
        {QStringLiteral("词组练习"), QStringLiteral("使用说明-中-词组.htm")},
        {QStringLiteral("中文章练习"), QStringLiteral("使用说明-中-文章.htm")},
        {QStringLiteral("青蛙"), QStringLiteral("游-青.htm")},
        {QStringLiteral("地鼠"), QStringLiteral("游-地.htm")},
        {QStringLiteral("精英"), QStringLiteral("游-精英.htm")},
        {QStringLiteral("成绩记录"), QStringLiteral("成绩-记录.htm")},
        {QStringLiteral("成绩分析"), QStringLiteral("成绩-分析.htm")},
        {QStringLiteral("数字"), QStringLiteral("使用说明-数.htm")},
    }};
    for (const auto &[mode, fileName] : pages) {
        if (mode == modeName)
            return pageLiteral(fileName);
    }
    return welcomeHelpPage();
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
