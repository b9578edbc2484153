// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// The wrong-character practice file: an article file of its own, made from
// the characters typed wrongly in an article, which the article chooser lists
// under "错字练习" so that the user can practise exactly those characters.
// It lies at user folder + "\错字练习\" + category folder + title + ".lmf".
namespace WrongCharacterFile {

// The file of an article: the category folder is "chinese\" or "english\"
// (with its backslash), the title the article's file name without its
// extension; the user folder is given without a trailing separator.
QString path(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle);

// The eight lines of the article layout: "错字练习", the provider, "原创", the
// maker's QQ number, mail address and web site, the remark naming the
// article, and the wrong characters as the text line. Line breaks are taken
// out of the wrong characters, which must stay one line.
QStringList lines(const QString &articleTitle, const QString &wrongCharacters);

// Writes the file afresh (GBK, CR LF after every line), creating the
// "错字练习" folder and the category folder below it when they are missing.
// The file is replaced atomically: on failure, with *error, an earlier file
// of the article is left as it was.
bool write(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle,
           const QString &wrongCharacters, QString *error = nullptr);

// Retires the article's file: an exercise without errors deletes the one an
// earlier exercise left. True when no such file is left (also when there was
// none); false, with *error, when it cannot be deleted.
bool retire(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle,
            QString *error = nullptr);

} // namespace WrongCharacterFile
