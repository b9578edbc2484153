// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillChoices.h"

#include <QString>

class Prompter;
class QComboBox;

// The choosers of the drill area (Combo1, Combo2) and what the drills do
// when the material behind them is missing or empty.
namespace DrillChooser {

// Fills chooser with the entries and selects the chosen one without running
// its click logic; false when there is no entry, after telling the user that
// the folder holds no practice file.
bool fill(QComboBox *chooser, const DrillChoices &choices, Prompter &prompter);

// A material file without practice data: asks "当前文件中无练习数据！是否删除这个文件？".
// Yes deletes the file and removes the chooser's selected entry (a file that
// cannot be deleted is reported and kept). Returns true when the chooser's
// first entry is to be loaded next: after a deletion, or after No when the
// first entry is not the empty one, so that answering No can never ask about
// the same file again and again. chooser may be null for a file without one
// (the number files); then nothing is loaded next.
bool askToDeleteEmptyFile(const QString &path, QComboBox *chooser, Prompter &prompter);

} // namespace DrillChooser
