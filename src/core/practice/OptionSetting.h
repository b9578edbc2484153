// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QtGlobal>

struct Settings;

// The settings that the practice option boxes mirror, each 0 or 1 while the
// program runs. A box shows its setting when a drill or view opens, and a
// click stores the box's value back.
enum class OptionSetting {
    EWordRecite, // read letters, words and number words aloud in drills
    CWordCue,    // code hint in the Chinese drills
    CWbzgDemand, // radical analysis in the Chinese drills
    EWordCue,    // word hints in English articles
    EAutoRecite, // read the hinted word aloud in English articles
    CWordElect,  // smart word choice in Chinese articles
    CAWordCue,   // code hint in Chinese articles
};

// The settings field of an option.
qint16 &optionField(Settings &settings, OptionSetting option);
bool optionTicked(const Settings &settings, OptionSetting option);
void storeOption(Settings &settings, OptionSetting option, bool ticked);
