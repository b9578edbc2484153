// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleTree.h"

#include "core/material/ArticleFolders.h"
#include "core/platform/FolderFiles.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The order Windows lists a folder in; Qt's listing order depends on the file
// system otherwise.
constexpr QDir::SortFlags ListingOrder = QDir::Name | QDir::IgnoreCase;

QList<ArticleTree::Article> articlesIn(const QString &folder)
{
    QList<ArticleTree::Article> articles;
    const QFileInfoList files = FolderFiles::endingIn(folder, u".lmf");
    for (const QFileInfo &file : files)
        articles.append({ file.fileName().chopped(4), file.filePath() });
    return articles;
}

} // namespace

ArticleTree ArticleTree::build(const ProgramFolder &program, const QString &userFolder,
                               Language language)
{
    ArticleTree tree;
    const QDir articleFolder(program.path(ArticleFolders::articleFolder(language)));
    const QStringList folders =
        articleFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, ListingOrder);
    for (const QString &folder : folders)
        tree.categories.append({ folder, false, articlesIn(articleFolder.filePath(folder)) });

    Category wrong { ArticleFolders::WrongCharacters, true, {} };
    if (!userFolder.isEmpty()) {
        wrong.articles = articlesIn(
            ProgramFolder::resolve(userFolder, ArticleFolders::wrongCharacterFolder(language)));
    }
    tree.categories.append(wrong);
    return tree;
}

const ArticleTree::Article *ArticleTree::article(int category, int article) const
{
    if (category < 0 || category >= categories.size())
        return nullptr;
    const QList<Article> &articles = categories.at(category).articles;
    if (article < 0 || article >= articles.size())
        return nullptr;
    return &articles.at(article);
}
