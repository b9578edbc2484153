// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleLookup.h"

#include "core/practice/MeaningList.h"
#include "core/wubi/CodeTable.h"

ArticleLookup::Code ArticleLookup::codeOf(const QString &text) const
{
    return findCode ? findCode(text) : Code();
}

QString ArticleLookup::meaningOf(const QString &word) const
{
    return findMeaning ? findMeaning(word) : QString();
}

ArticleLookup ArticleLookup::of(CodeTable &codeTable, const MeaningList &meanings)
{
    ArticleLookup lookup;
    lookup.findCode = [&codeTable](const QString &text) {
        Code code;
        // A failed load leaves both empty: the hints say there is no code.
        codeTable.FindCode(text, code.found, code.code);
        return code;
    };
    lookup.findMeaning = [&meanings](const QString &word) { return meanings.FindMeaning(word); };
    return lookup;
}
