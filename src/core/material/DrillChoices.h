// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// The entries of a drill chooser (Combo1 or Combo2) and the one to select.
struct DrillChoices
{
    QStringList names;
    int selected = -1; // index into names; -1 only when names is empty

    bool operator==(const DrillChoices &) const = default;

    // The three letter drills, with entry letter selected (the `Letter`
    // setting; a value outside 0 to 2 selects the first).
    static DrillChoices letterDrills(int letter);

    // The lists or pools of a folder: every file whose name ends in ".txt"
    // (any case), without its last four characters, in the order of a
    // Windows folder listing (by name, case ignored). The entry whose file
    // name equals remembered exactly, case included, is selected, otherwise
    // the first. A missing or empty folder gives no entries.
    static DrillChoices filesIn(const QString &folder, const QString &remembered);
};
