// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/PracticeMode.h"

// What the main window's parts share about the run: set by the menu entries
// and the article views, read by the toolbar and the help.
struct ShellState
{
    bool ready = false;       // the main window's load has finished; the splash waits for it
    bool musicOn = false;     // background music is playing
    PracticeMode currentMode = PracticeMode::None; // the view shown last
};
