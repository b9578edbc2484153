// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// What the main window's parts share about the run: set by the menu entries
// and the article views, read by the toolbar and the help.
struct ShellState
{
    bool ready = false;       // the main window's load has finished; the splash waits for it
    bool musicOn = false;     // background music is playing
    QString currentModeName;  // the view shown last ("字母练习", "中文章练习", "青蛙", ...)
    QString drillMode;        // material of the single-key box: "en", "ch", "chnu", "nu"
};
