// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The view shown last, by which the help button picks its page and the
// article-view buttons decide whether they act.
enum class PracticeMode {
    None,           // nothing chosen yet
    Letters,        // "字母练习"
    Words,          // "单词练习"
    EnglishArticle, // "英文章练习"
    Characters,     // "单字练习"
    Phrases,        // "词组练习"
    ChineseArticle, // "中文章练习"
    Numbers,        // "数字"
    Frog,           // "青蛙"
    Moles,          // "地鼠"
    Shooting,       // "精英"
    ResultRecords,  // "成绩记录"
    ResultAnalysis, // "成绩分析"
};

// The mode's name as the user sees it ("字母练习", "青蛙"); empty for None.
QString modeName(PracticeMode mode);
// The mode of a name; nullopt for any other text.
std::optional<PracticeMode> practiceModeNamed(QStringView name);
// The help page file of the mode ("使用说明-英-字母.htm"); empty for None.
QString helpFileOf(PracticeMode mode);

inline bool isArticleMode(PracticeMode mode)
{
    return mode == PracticeMode::EnglishArticle || mode == PracticeMode::ChineseArticle;
}
