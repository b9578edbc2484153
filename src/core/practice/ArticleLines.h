// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"

#include <QString>
#include <QStringList>

// The lines of the abreast article view (abreasttext): the text is cut into
// lines that each fit one source line, eight of them to a page. Widths are in
// characters.
namespace ArticleLines {

constexpr qsizetype EnglishWidth = 43;     // an English line, ending in a space
constexpr qsizetype EnglishLastWidth = 44; // the last English line may be one longer
constexpr qsizetype ChineseWidth = 23;
constexpr int PageLines = 8;

// Cuts text into lines, in order; their concatenation is the text. English:
// while more than 44 characters remain, a line ends at the last space among
// the next 43 characters; where those 43 hold no space the line is the 43
// characters, cut inside the word. The rest (at most 44 characters) is the
// last line. Chinese: lines of 23 characters, the last holding the rest. An
// empty text has no lines.
QStringList cut(const QString &text, Language language);

} // namespace ArticleLines
