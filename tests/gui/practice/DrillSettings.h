// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/settings/Settings.h"

// The settings the drill tests start from: Wubi, key sounds on, the usual
// colours and hot keys (F3 reads aloud, F2 shows the code), no option ticked.
inline Settings drillSettings()
{
    Settings settings;
    settings.InputMeans = QStringLiteral("五笔");
    settings.CueMusic = 1;
    settings.RightColor = 0xFF0000; // blue
    settings.ErrorColor = 0x0000FF; // red
    settings.Speed = 150;
    settings.ReciteKey = 114;
    settings.CueKey = 113;
    settings.Voice = QStringLiteral("女声");
    return settings;
}
