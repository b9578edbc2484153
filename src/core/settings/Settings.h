// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// One user's options, one field per key of the user's "Deplog.ini", in file
// order. Filled at login, changed in memory during the run, written back when
// the user quits. Field names are the keys of the file.
struct Settings
{
    // [skin]
    QString Skinpath;        // skin folder under "\skins\"; empty for the built-in look
    // [music]
    qint16 BackMusic = 0;    // background music at start-up, 0/1
    QString BackMusicpath;   // background music file
    qint16 KeyMusic = 0;     // keyboard-music switch, 0/1
    qint16 MusicInst = 0;    // instrument number, 0 to 127
    qint16 CueMusic = 0;     // key sounds on, 0/1
    // [play]
    qint16 P1Text = 0;       // first game: content, 0 to 4
    qint16 P1Speed = 0;      // first game: speed, 0 to 3
    qint16 MaxTss = 0;       // second game: number of targets, 1 to 9
    qint16 P2Text = 0;       // second game: content, 0 to 4
    qint16 P2Speed = 0;      // second game: speed, 0 to 3
    qint16 P2MaxTime = 0;    // second game: seconds before a target vanishes, 5 to 10
    qint16 P3Text = 0;       // third game: content, 0 to 3
    qint16 P3Speed = 0;      // third game: speed, 0 to 3
    // [other]
    qint16 EWordRecite = 0;  // read letters, words and number words aloud in drills
    qint16 EWordCue = 0;     // word hints in English articles; loads the meaning list
    qint16 EAutoRecite = 0;  // read the hinted word aloud in English articles
    qint16 CWordCue = 0;     // code hint in the Chinese drills
    qint16 CWordElect = 0;   // smart word choice in Chinese articles; loads the code table
    qint16 CWbzgDemand = 0;  // radical analysis in the Chinese drills
    qint16 CAWordCue = 0;    // code hint in Chinese articles
    QString InputMeans;      // input method: folder name under "\chinese\"
    qint16 Window = 0;       // article view: 0 normal, 1 abreast
    qint32 RightColor = 0;   // colour of right characters, 0x00BBGGRR
    qint32 ErrorColor = 0;   // colour of wrong characters, 0x00BBGGRR
    qint16 Speed = 0;        // speech rate in words per minute, 90 to 300
    QString Voice;           // "女声" or "男声"
    qint16 ReciteKey = 0;    // hot key that speaks the current word (virtual-key code)
    qint16 CueKey = 0;       // hot key that shows the code hint (virtual-key code)
    QString BuiltInInput;    // key "内置输入法": the built-in input method, "自动", "开" or "关"
    // [exercise]
    qint16 Letter = 0;       // letter drill chosen last: 0 lower, 1 upper, 2 mixed
    QString Eword;           // English word list chosen last, file name with ".txt"
    QString Cword;           // Chinese character pool chosen last
    QString Phrase;          // Chinese phrase list chosen last
    QString Earticle;        // English article opened last from the menu
    qint32 Eplace = 0;       // 1-based place in it where practice goes on (long articles pass 32767)
    QString Carticle;        // Chinese article opened last from the menu
    qint32 Cplace = 0;       // 1-based place in it

    bool operator==(const Settings &) const = default;
};
