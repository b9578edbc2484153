// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The articles opened from the menus, whose place Exercise::Cleanup stores in
// the settings when their exercise ends.
struct ArticleInUse
{
    bool english = false;   // an English article opened from the menu is being practised
    bool chinese = false;   // a Chinese article opened from the menu is being practised
    bool resumed = false;   // that article was resumed at its stored place
    QString currentEnglish; // path of the current English article (starts as Earticle)
    QString currentChinese; // path of the current Chinese article (starts as Carticle)

    bool operator==(const ArticleInUse &) const = default;
};
