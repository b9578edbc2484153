// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/HelpContents.h"

const QList<HelpTopic> &helpContents()
{
    static const QList<HelpTopic> topics{
        {{}, QStringLiteral("欢迎您使用Qintara"), welcomeHelpFile()},
        {QStringLiteral("英文练习"), QStringLiteral("字母练习"), QStringLiteral("使用说明-英-字母.htm")},
        {QStringLiteral("英文练习"), QStringLiteral("单词练习"), QStringLiteral("使用说明-英-单词.htm")},
        {QStringLiteral("英文练习"), QStringLiteral("英文文章练习"), QStringLiteral("使用说明-英-文章.htm")},
        {QStringLiteral("中文练习"), QStringLiteral("单字练习"), QStringLiteral("使用说明-中-单字.htm")},
        {QStringLiteral("中文练习"), QStringLiteral("词组练习"), QStringLiteral("使用说明-中-词组.htm")},
        {QStringLiteral("中文练习"), QStringLiteral("中文文章练习"), QStringLiteral("使用说明-中-文章.htm")},
        {QStringLiteral("数字练习"), QStringLiteral("数字练习"), QStringLiteral("使用说明-数.htm")},
        {QStringLiteral("打字游戏"), QStringLiteral("青蛙吃虫"), QStringLiteral("游-青.htm")},
        {QStringLiteral("打字游戏"), QStringLiteral("打田鼠"), QStringLiteral("游-地.htm")},
        {QStringLiteral("打字游戏"), QStringLiteral("打字精英"), QStringLiteral("游-精英.htm")},
        {QStringLiteral("成绩记录"), QStringLiteral("成绩记录"), QStringLiteral("成绩-记录.htm")},
        {QStringLiteral("成绩记录"), QStringLiteral("成绩分析"), QStringLiteral("成绩-分析.htm")},
        {QStringLiteral("常见问题"), QStringLiteral("为什么我的Qintara不能朗读单词"),
         QStringLiteral("问-为什么我的Qintara不能朗读单词.htm")},
    };
    return topics;
}

QString welcomeHelpFile()
{
    return QStringLiteral("欢迎您使用Qintara.htm");
}
