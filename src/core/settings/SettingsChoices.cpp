// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsChoices.h"

#include "core/settings/SettingsApplyTarget.h"

void applySettingsChoices(const Settings &chosen, Settings &settings, PracticeMode mode,
                          SettingsApplyTarget &target)
{
    if (chosen.Skinpath != settings.Skinpath) {
        settings.Skinpath = chosen.Skinpath;
        target.chooseSkin(chosen.Skinpath);
    }

    if (chosen.BackMusicpath != settings.BackMusicpath || chosen.BackMusic != settings.BackMusic) {
        if (chosen.BackMusic == 1)
            target.playMusic(chosen.BackMusicpath);
        else
            target.stopMusic();
    }
    settings.BackMusic = chosen.BackMusic;
    settings.BackMusicpath = chosen.BackMusicpath;
    settings.CueMusic = chosen.CueMusic;
    settings.KeyMusic = chosen.KeyMusic;
    settings.MusicInst = chosen.MusicInst;

    for (qint16 Settings::*game : {&Settings::P1Text, &Settings::P1Speed, &Settings::P2Text,
                                   &Settings::MaxTss, &Settings::P2Speed, &Settings::P2MaxTime,
                                   &Settings::P3Text, &Settings::P3Speed})
        settings.*game = chosen.*game;

    for (qint16 Settings::*option : {&Settings::EWordRecite, &Settings::EWordCue, &Settings::EAutoRecite,
                                     &Settings::CWordCue, &Settings::CWordElect, &Settings::CAWordCue})
        settings.*option = chosen.*option;

    if (chosen.InputMeans != settings.InputMeans) {
        settings.InputMeans = chosen.InputMeans;
        target.reloadCodeTable(settings.InputMeans);
        if (mode == PracticeMode::Characters)
            target.restartChineseDrill(1);
        else if (mode == PracticeMode::Phrases)
            target.restartChineseDrill(2);
    }

    settings.Window = chosen.Window;
    settings.RightColor = chosen.RightColor;
    settings.ErrorColor = chosen.ErrorColor;
    settings.Speed = chosen.Speed;
    settings.ReciteKey = chosen.ReciteKey;
    settings.CueKey = chosen.CueKey;
    settings.BuiltInInput = chosen.BuiltInInput;
}
