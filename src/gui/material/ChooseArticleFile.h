// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/ChosenArticle.h"

#include <optional>

class FileChooser;
class RandomSource;

// The menu entry "自选文章(&O)..." up to the point where the main window takes
// over: asks for a file in the open dialog "打开练习文件" with its two
// filters, the text filter preselected, and reads the file chosen. nullopt
// when the user cancels; otherwise the file as read, which may refuse to
// start (ChosenArticle::starts() and message()).
std::optional<ChosenArticle> chooseArticleFile(FileChooser &chooser, RandomSource &random);
