// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/PracticeMode.h"
#include "core/settings/Settings.h"

class SettingsApplyTarget;

// Confirming the settings dialog. chosen is the record the dialog edited,
// a copy of settings taken when it opened: the chosen skin in Skinpath, the
// chosen music in BackMusicpath and its tick in BackMusic, and so on.
// Applies it to settings page by page, in this order:
//  1. skin: when chosen.Skinpath differs, Skinpath takes it and the target
//     dresses the window (chooseSkin);
//  2. music: when the music or its tick differs, the target plays the chosen
//     music (ticked) or stops it;
//  3. BackMusic, BackMusicpath, CueMusic, KeyMusic, MusicInst;
//  4. the eight game options;
//  5. the six practice option boxes;
//  6. input method: when it differs, InputMeans takes it, the code tables are
//     reloaded, and a running "单字练习" or "词组练习" (mode) starts again;
//  7. Window, the two colours, Speed, the two hot keys and the built-in
//     input mode.
// Fields the dialog does not show (Voice, CWbzgDemand, the exercise
// section) are left as they are.
void applySettingsChoices(const Settings &chosen, Settings &settings, PracticeMode mode,
                          SettingsApplyTarget &target);
