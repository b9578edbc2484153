// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"

#include <QList>
#include <QString>

class ProgramFolder;

// The tree of the article chooser: one node for every category folder of a
// language, with its articles below it, then the node "错字练习" with the
// user's wrong-character practice files of that language. Each article keeps
// the file it came from, so a node is told apart by where it sits, never by
// its text: an article may bear a category's name, and a category folder may
// itself be called "错字练习".
struct ArticleTree
{
    struct Article
    {
        QString title; // file name without ".lmf"
        QString path;  // the file
        bool operator==(const Article &) const = default;
    };

    struct Category
    {
        QString name;                 // folder name, or "错字练习"
        bool wrongCharacters = false; // the user's wrong-character node
        QList<Article> articles;
        bool operator==(const Category &) const = default;
    };

    // The category folders first, the wrong-character node last.
    QList<Category> categories;

    bool operator==(const ArticleTree &) const = default;

    // Lists program folder + "\article\" + category folder: its sub-folders
    // are the categories, the "*.lmf" files (extension in any case) directly
    // inside each are its articles; files beside the sub-folders and in deeper
    // folders are left out. Then the node "错字练习" gets the "*.lmf" files of
    // user folder + "\错字练习\" + category folder. Folders and files come in
    // the order of a Windows folder listing (by name, case ignored). A missing
    // folder gives no categories or no articles; the "错字练习" node is always
    // there.
    static ArticleTree build(const ProgramFolder &program, const QString &userFolder,
                             Language language);

    // The article node at the given place, or nullptr for a category node
    // (article < 0) or a place outside the tree.
    const Article *article(int category, int article) const;
};
