// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Where the drill material lies below the program folder, as literals for
// ProgramFolder::path. A list or pool name is a file name without its last
// four characters (".txt").
namespace DrillFiles {

// Folders listed by the choosers; their files match "*.txt".
QString englishWordFolder();                        // "\english\word\"
QString phraseFolder(const QString &inputMeans);    // "\chinese\<input method>\phrase\"
QString characterFolder(const QString &inputMeans); // "\Chinese\<input method>\word\"

// The files the drills read.
QString englishWordList(const QString &name);                          // "\English\word\<name>.txt"
QString phraseList(const QString &inputMeans, const QString &name);    // "\chinese\<input method>\phrase\<name>.txt"
QString characterPool(const QString &inputMeans, const QString &name); // "\chinese\<input method>\word\<name>.txt"
QString englishNumbers();                                              // "\English\number.txt"
QString chineseNumbers();                                              // "\chinese\number.txt"

// The name of a list file as the choosers show it and the settings keep it.
QString fileName(const QString &name); // name + ".txt"

} // namespace DrillFiles
