// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillChoices.h"

#include "core/platform/FolderFiles.h"

DrillChoices DrillChoices::letterDrills(int letter)
{
    DrillChoices choices;
    choices.names = { QStringLiteral("小写字母练习"), QStringLiteral("大写字母练习"),
                      QStringLiteral("混合字母练习") };
    choices.selected = letter >= 0 && letter < choices.names.size() ? letter : 0;
    return choices;
}

DrillChoices DrillChoices::filesIn(const QString &folder, const QString &remembered)
{
    const QStringList files = FolderFiles::namesEndingIn(folder, u".txt");
    DrillChoices choices;
    for (const QString &file : files) {
        if (file == remembered)
            choices.selected = int(choices.names.size());
        choices.names.append(file.chopped(4));
    }
    if (choices.selected < 0 && !choices.names.isEmpty())
        choices.selected = 0;
    return choices;
}
