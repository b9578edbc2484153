// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"

namespace MainMenus {

const QList<Title> &titles()
{
    static const QList<Title> menus = {
        {QStringLiteral("英文练习(&E)"),
         {QStringLiteral("字母练习(&W)"), QStringLiteral("单词练习(&P)"), QStringLiteral("文章练习(&A)"),
          QStringLiteral("自选文章(&O)..."), QStringLiteral("最近练习文章"), QStringLiteral("薄弱键位练习(&K)")}},
        {QStringLiteral("中文练习(&C)"),
         {QStringLiteral("单字练习(&W)"), QStringLiteral("词组练习(&P)"), QStringLiteral("文章练习(&A)"),
          QStringLiteral("自选文章(&O)..."), QStringLiteral("最近练习文章"), QStringLiteral("薄弱汉字练习(&K)"),
          QStringLiteral("薄弱字根练习(&R)"), QStringLiteral("薄弱简码练习(&J)")}},
        {QStringLiteral("数字练习(&N)"),
         {QStringLiteral("英文数字(&Z)"), QStringLiteral("中文数字(&O)"), QStringLiteral("阿拉伯数字(&T)")}},
        {QStringLiteral("打字游戏(&Y)"),
         {QStringLiteral("青蛙吃虫(&F)"), QStringLiteral("打田鼠(&M)"), QStringLiteral("打字精英(&R)")}},
        {QStringLiteral("成绩记录(&G)"), {QStringLiteral("成绩记录(&A)"), QStringLiteral("成绩分析(&P)"),
                                       QStringLiteral("弱项分析(&W)")}},
        {QStringLiteral("系统设置(&S)"), {QStringLiteral("用户管理(&U)"), QStringLiteral("系统设置(&I)")}},
        {QStringLiteral("帮助(&H)"),
         {QStringLiteral("帮助主题(&M)"), QStringLiteral("在线升级"), QStringLiteral("软件论谈"),
          QStringLiteral("软件主页"), QStringLiteral("关于(&A)...")}},
    };
    return menus;
}

QChar accessKey(QStringView caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

} // namespace MainMenus
