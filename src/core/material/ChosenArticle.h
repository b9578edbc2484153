// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/ArticleText.h"
#include "core/material/Language.h"

#include <QString>
#include <QStringList>

class RandomSource;

// The menu entry "自选文章(&O)...": the open dialog it shows and what the file
// chosen there starts. The file is read before anything else happens, so a
// file that cannot be practised leaves the running exercise and the current
// article as they were.
struct ChosenArticle
{
    static inline const QString DialogTitle = QStringLiteral("打开练习文件");
    // The filter in the Windows dialog's form, description and pattern
    // alternating; the first entry is preselected and the read-only box is
    // hidden.
    static inline const QString DialogFilter =
        QStringLiteral("Txt 文本格式 (*.txt)|*.txt|Lmf Qintara练习文件格式 (*.lmf)|*.lmf|");
    // The same entries as QFileDialog takes them, the preselected one first.
    static QStringList nameFilters();

    ArticleText::Status status = ArticleText::Status::Unreadable;
    QString path;          // the current English (Chinese) article once started
    QString title;         // the article title
    QString practisedText; // the whole text, into RichTextBox2
    Language language = Language::Chinese; // for preliminary

    // Reads the chosen file by its extension (ArticleText), not by the filter
    // entry chosen, as "最近练习文章" reads it later; on success runs the
    // language test on the text.
    static ChosenArticle open(const QString &path, RandomSource &random);

    // The article title of a file: its name without folder and extension.
    static QString titleOf(const QString &path);

    bool starts() const { return status == ArticleText::Status::Read; }
    // What to tell the user when nothing starts: ArticleFile::DamagedMessage
    // for a damaged or empty file; nothing for a file that cannot be read,
    // whose entry ends quietly.
    QString message() const;
};
