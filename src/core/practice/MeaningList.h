// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The English meaning list behind the word hints of English articles: the
// lines of six word list files of the program folder, in this order,
//   "\English\word\新版小学英语.txt", "\English\word\新版初中英语.txt",
//   "\English\word\新版高中英语.txt", "\English\word\托福600分单词.txt",
//   "\English\word\大学英语1－4级词汇.txt", "\English\word\大学英语5－6级词汇.txt",
// each line "word#meaning". The list is filled once and kept for the run.
//
// Words are compared without regard to case by Unicode simple case folding,
// code point by code point (QString::toCaseFolded), which is exactly the
// equality of QString::compare with Qt::CaseInsensitive: "APPLE", "Apple"
// and "apple" are one word, "straße" and "STRASSE" are not (a simple fold
// never changes the number of characters). The list is indexed by the folded
// word when it is loaded, so a lookup costs a hash lookup instead of a scan,
// and gives the same line a scan from the first line would.
//
// The application owns one list and hands it to the article views.
class MeaningList
{
public:
    explicit MeaningList(const ProgramFolder &programFolder);

    // Fills the list when it is empty; does nothing and succeeds when it
    // already holds lines. The six files are read in the order above; a file
    // that cannot be read ends the load there, keeping the lines of the files
    // before it, and the result is false with *error (when given) naming the
    // file and the reason. A load that read no line at all leaves the list
    // empty, so the next call tries again.
    bool LoadMeaningList(QString *error = nullptr);

    // The number of lines read, lines without "#" included.
    int count() const { return int(m_lines.size()); }
    // The lines in load order, exactly as read.
    const QStringList &lines() const { return m_lines; }

    // The meaning text of a word. The word is trimmed; an empty word gives
    // "". The first line, in load order, whose part before its first "#"
    // equals the word without regard to case gives
    // "【" + word + "】 解释：" + everything after that "#", with the word as
    // passed in (trimmed), not as the list spells it; a line without "#"
    // never matches. Without such a line, or before the list is loaded:
    // "【" + word + "】未找到该单词解释!". Never loads the list itself.
    QString FindMeaning(const QString &word) const;

private:
    ProgramFolder m_programFolder;
    QStringList m_lines;
    // Folded word to the number of the first line that holds it.
    QHash<QString, qsizetype> m_firstLine;
};
