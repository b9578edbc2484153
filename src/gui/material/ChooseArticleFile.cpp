// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/material/ChooseArticleFile.h"

#include "core/platform/FileChooser.h"

std::optional<ChosenArticle> chooseArticleFile(FileChooser &chooser, RandomSource &random)
{
    const std::optional<QString> path =
        chooser.openFile(ChosenArticle::DialogTitle, ChosenArticle::nameFilters());
    if (!path)
        return std::nullopt;
    return ChosenArticle::open(*path, random);
}
