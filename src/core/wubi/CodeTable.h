// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/wubi/CodeList.h"

#include <QString>
#include <QStringList>

#include <array>

struct Settings;

// The code files of one input method, "\chinese\<input method>\" below the
// program folder: the character list "bm.txt" and the two-, three- and
// four-character phrase lists "phrase\二字词组.txt", "phrase\三字词组.txt",
// "phrase\四字词组.txt". Each line is a character or phrase followed by its
// code ("中国khlg"). The lists are read on first need and kept until
// ReloadCodeTable; "loaded" means the character list is not empty.
//
// The application owns one table and hands it to the drills, the article
// options, the settings dialog and the shooting game.
class CodeTable
{
public:
    // settings must outlive the table: an on-demand load reads its current
    // InputMeans.
    CodeTable(const ProgramFolder &programFolder, const Settings &settings);
    CodeTable(const ProgramFolder &, const Settings &&) = delete;

    // Reads the four files of the input method inputMeans in the order
    // character, two-, three-, four-character list; does nothing and succeeds
    // when the character list is already filled. A load that runs starts from
    // four empty lists. A file that cannot be read ends the load there: the
    // lists read before it stay filled, it and the later ones stay empty, and
    // the result is false with *error (when given) naming the file and the
    // reason. Lists hold any number of lines.
    bool LoadCodeTable(const QString &inputMeans, QString *error = nullptr);

    // Empties the four lists, then loads those of inputMeans; for a change of
    // input method. Result and error as for LoadCodeTable.
    bool ReloadCodeTable(const QString &inputMeans, QString *error = nullptr);

    // Looks up the code of a character or phrase of 1 to 4 characters. Loads
    // the lists of the InputMeans setting first when the character list is
    // empty; when that load fails, returns false with *error and changes
    // nothing. Otherwise returns true and:
    // - an empty text changes nothing;
    // - a text whose first or last character is not double-byte in GBK (see
    //   AnsiCode::isDoubleByte) sets foundText to "";
    // - a text of more than 4 characters changes nothing;
    // - else the first line, in file order, of the list for that length that
    //   contains the text anywhere gives foundText = text and code = that line
    //   without its first n characters, n the length of the text (so a space
    //   between text and code is part of the code); without such a line
    //   nothing changes.
    // Callers pass empty strings and test foundText.
    bool FindCode(const QString &text, QString &foundText, QString &code, QString *error = nullptr);

    bool isLoaded() const;
    // The list for texts of textLength characters, 1 to 4, its lines in
    // file order and exactly as read; other lengths have no list and give
    // an empty one.
    const CodeList &list(qsizetype textLength) const;

private:
    ProgramFolder m_programFolder;
    const Settings &m_settings;
    // Indexed by text length - 1.
    std::array<CodeList, 4> m_lists;
};
