// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/PracticeMode.h"

#include <algorithm>
#include <array>

namespace {

struct ModeRow
{
    PracticeMode mode;
    QStringView name;     // as the user sees it
    QStringView helpFile; // its help page
};

constexpr std::array<ModeRow, 12> modes{{
    {PracticeMode::Letters, u"字母练习", u"使用说明-英-字母.htm"},
    {PracticeMode::Words, u"单词练习", u"使用说明-英-单词.htm"},
    {PracticeMode::EnglishArticle, u"英文章练习", u"使用说明-英-文章.htm"},
    {PracticeMode::Characters, u"单字练习", u"使用说明-中-单字.htm"},
    {PracticeMode::Phrases, u"词组练习", u"使用说明-中-词组.htm"},
    {PracticeMode::ChineseArticle, u"中文章练习", u"使用说明-中-文章.htm"},
    {PracticeMode::Numbers, u"数字", u"使用说明-数.htm"},
    {PracticeMode::Frog, u"青蛙", u"游-青.htm"},
    {PracticeMode::Moles, u"地鼠", u"游-地.htm"},
    {PracticeMode::Shooting, u"精英", u"游-精英.htm"},
    {PracticeMode::ResultRecords, u"成绩记录", u"成绩-记录.htm"},
    {PracticeMode::ResultAnalysis, u"成绩分析", u"成绩-分析.htm"},
}};

template <typename Predicate>
const ModeRow *rowWhere(Predicate predicate)
{
    const auto row = std::find_if(modes.begin(), modes.end(), predicate);
    return row == modes.end() ? nullptr : &*row;
}

const ModeRow *rowOf(PracticeMode mode)
{
    return rowWhere([mode](const ModeRow &row) { return row.mode == mode; });
}

} // namespace

QString modeName(PracticeMode mode)
{
    const ModeRow *row = rowOf(mode);
    return row ? row->name.toString() : QString();
}

std::optional<PracticeMode> practiceModeNamed(QStringView name)
{
    const ModeRow *row = rowWhere([name](const ModeRow &each) { return each.name == name; });
    return row ? std::optional(row->mode) : std::nullopt;
}

QString helpFileOf(PracticeMode mode)
{
    const ModeRow *row = rowOf(mode);
    return row ? row->helpFile.toString() : QString();
}
