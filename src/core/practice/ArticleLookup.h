// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

#include <functional>

class CodeTable;
class MeaningList;

// The two lookups behind the article hints: the code of a Chinese character
// or word, and the meaning text of an English word. The program passes the
// code lists and the meaning list; tests pass their own functions. An unset
// function finds nothing.
struct ArticleLookup
{
    struct Code
    {
        QString found; // the text looked up when the lists know it, else ""
        QString code;  // its input-method code, "" when not found
    };

    // Looks up a text of 1 to 4 characters, as CodeTable::FindCode does.
    std::function<Code(const QString &text)> findCode;
    // The meaning text of a word, as MeaningList::FindMeaning gives it.
    std::function<QString(const QString &word)> findMeaning;

    Code codeOf(const QString &text) const;
    QString meaningOf(const QString &word) const;

    // The lookups of the program; both must outlive the result. The code
    // lists load on first need; a list that cannot be read finds nothing.
    // The meaning list is not loaded here: the word-hint option loads it.
    static ArticleLookup of(CodeTable &codeTable, const MeaningList &meanings);
};
