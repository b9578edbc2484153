// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// One article file (".lmf"): eight lines in GBK with CR LF line ends, the
// article text whole on the last one. Shipped articles and the wrong-character
// practice files the save dialog writes share this layout.
struct ArticleFile
{
    static constexpr int LineCount = 8;

    // Shown (title "提示", information icon) when an article cannot be used.
    static inline const QString DamagedMessage = QStringLiteral("这个练习文件已损坏!");
    static inline const QString MessageTitle = QStringLiteral("提示");

    enum class Status {
        Read,       // the fields hold the file's eight lines
        Damaged,    // the file has another number of lines
        Unreadable, // the file is missing or cannot be read
    };

    Status status = Status::Unreadable;
    QString kind;     // line 1: title or kind ("错字练习" in wrong-character files); never shown
    QString provider; // line 2
    QString source;   // line 3
    QString qq;       // line 4: the provider's QQ number
    QString email;    // line 5
    QString webSite;  // line 6
    QString remarks;  // line 7
    QString text;     // line 8: the article text

    bool operator==(const ArticleFile &) const = default;

    // The fields of exactly eight lines; any other count is Damaged and
    // leaves the fields empty.
    static ArticleFile fromLines(const QStringList &lines);

    // Reads an article file. A line end after line 8 does not make a ninth
    // line; an empty line after it does.
    static ArticleFile read(const QString &path);
};

// Reads every line of the file into lines (replacing what it held), in order;
// true when there are exactly eight. A file that cannot be read leaves lines
// empty and gives false.
bool ReadArticleFile(const QString &path, QStringList &lines);
