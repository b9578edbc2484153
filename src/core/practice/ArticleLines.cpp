// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleLines.h"

#include "core/practice/MarkedText.h"

namespace ArticleLines {

namespace {

QStringList cutEnglish(const MarkedText &text)
{
    QStringList lines;
    qsizetype p = 0;
    while (text.size() - p > EnglishLastWidth) {
        qsizetype n = EnglishWidth;
        while (n > 0 && text.at(p + n - 1) != u' ')
            --n;
        // A run of 43 characters without a space would leave an empty line
        // and never move on.
        if (n == 0)
            n = EnglishWidth;
        lines.append(text.mid(p, n));
        p += n;
    }
    if (p < text.size())
        lines.append(text.mid(p));
    return lines;
}

QStringList cutChinese(const MarkedText &text)
{
    QStringList lines;
    for (qsizetype p = 0; p < text.size(); p += ChineseWidth)
        lines.append(text.mid(p, ChineseWidth));
    return lines;
}

} // namespace

QStringList cut(const QString &text, Language language)
{
    const MarkedText characters(text);
    return language == Language::English ? cutEnglish(characters) : cutChinese(characters);
}

} // namespace ArticleLines
