// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ChosenArticle.h"

#include "core/material/ArticleFile.h"
#include "core/material/LanguageTest.h"

#include <QFileInfo>

QStringList ChosenArticle::nameFilters()
{
    // Qt reads the patterns out of the descriptions, which carry them.
    const QStringList parts = DialogFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters.append(parts.at(i));
    return filters;
}

ChosenArticle ChosenArticle::open(const QString &path, RandomSource &random)
{
    ChosenArticle chosen;
    const ArticleText text = ArticleText::read(path);
    chosen.status = text.status;
    if (!chosen.starts())
        return chosen;
    chosen.path = path;
    chosen.title = titleOf(path);
    chosen.practisedText = text.text;
    chosen.language = LanguageTest::languageOf(chosen.practisedText, random);
    return chosen;
}

QString ChosenArticle::titleOf(const QString &path)
{
    // The last extension goes, whatever its length; a name typed without one
    // stays whole.
    return QFileInfo(path).completeBaseName();
}

QString ChosenArticle::message() const
{
    return ArticleText::messageFor(status);
}
