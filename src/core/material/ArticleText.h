// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArrayView>
#include <QString>

// The text to practise from a file the user opens or resumes through the
// menus: line 8 of an article file, or the joined lines of any other file.
// Opening and resuming both read through here, so a stored place always
// counts in the same text.
struct ArticleText
{
    enum class Status {
        Read,       // text holds the practice text
        Empty,      // the file has no text to practise
        Damaged,    // an article file without exactly eight lines
        Unreadable, // the file is missing or cannot be read
    };

    Status status = Status::Unreadable;
    QString text;

    bool operator==(const ArticleText &) const = default;

    // A path ending in ".lmf", in any case, names an article file; every
    // other file is read as plain text.
    static bool isArticleFile(const QString &path);

    // Reads the practice text of path. Plain text is decoded by decodePlain,
    // its empty lines are dropped, the others lose their leading and trailing
    // spaces and are joined with nothing between them.
    // What to tell the user about a text that cannot be practised:
    // ArticleFile::DamagedMessage for a damaged or empty file, nothing for one
    // that cannot be read (its entry ends quietly) or that was read.
    static QString messageFor(Status status);

    static ArticleText read(const QString &path);

    // Plain text files come from any editor: UTF-8 with or without a byte
    // order mark is read as UTF-8, everything else as GBK. Bytes that are
    // valid UTF-8 are taken for UTF-8; a GBK text of only a few characters
    // can look like that, longer ones practically never.
    static QString decodePlain(QByteArrayView bytes);
};
