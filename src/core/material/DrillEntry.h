// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/PracticeMode.h"
#include "core/material/DrillKinds.h"
#include "core/practice/OptionSetting.h"

#include <QString>

#include <optional>

// What each drill entry of the English, Chinese and numbers menus sets up on
// the drill area: the input box it uses, its material, which frames and
// option box it shows and which setting that box mirrors. The practice panel
// applies it; the material itself is loaded by the panel's choosers.
struct DrillEntry
{
    enum class Id {
        Letters,          // English 1 "字母练习(&W)"
        Words,            // English 2 "单词练习(&P)"
        Characters,       // Chinese 1 "单字练习(&W)"
        Phrases,          // Chinese 2 "词组练习(&P)"
        NumberWords,      // numbers 1 "英文数字(&Z)"
        NumberCharacters, // numbers 2 "中文数字(&O)"
        Digits,           // numbers 3 "阿拉伯数字(&T)"
        WeakKeys,         // English 6 "薄弱键位练习(&K)"
        WeakCharacters,   // Chinese 6 "薄弱汉字练习(&K)"
        WeakRadicals,     // Chinese 7 "薄弱字根练习(&R)"
        WeakShortCodes,   // Chinese 8 "薄弱简码练习(&J)"
    };

    // The option box of the entry and what it does.
    enum class Option {
        Check1, // letters-and-characters panel
        Check2, // words-and-phrases panel
        Check5, // numbers
        None,   // digits: Check5 hidden
    };

    // Which radical analysis the entry offers (Check8 with Wbzg2, Check9 with
    // Wbzg1), enabled only with the input method "五笔".
    enum class Analysis {
        None,      // numbers: both analyses hidden
        Character, // Check8 / Wbzg2
        Phrase,    // Check9 / Wbzg1
    };

    Id id;
    PracticeMode mode;   // the mode shown while the drill runs
    bool singleKey;      // Text1 with Label2; otherwise Text2 with RichTextBox1
    DrillMode drillMode; // single-key entries
    WordDrillKind wordDrillKind; // word entries
    bool showFrame4;     // letter/character chooser
    bool showFrame5;     // word line
    bool showFrame6;     // word-list chooser
    bool showKorvelButton4; // "朗读当前单词"
    Option option;
    bool chinese;        // the option is the code hint (`CWordCue`), otherwise read-aloud (`EWordRecite`)
    Analysis analysis;
    bool weak;           // draws by the learner's weaknesses and says why under the target

    static const DrillEntry &entry(Id id);

    // The drill entry of a menu entry (menus and entries numbered from 1):
    // entries 1 and 2 of the English (1) and Chinese (2) menus, entries 1 to
    // 3 of the numbers menu (3), the weak-item entries 6 of the English menu
    // and 6 to 8 of the Chinese menu; nullopt for any other entry.
    static std::optional<Id> forMenu(int menu, int entry);

    // The option box's caption: "自动朗读", or the input method + "提示".
    QString optionCaption(const QString &inputMeans) const;
    // The setting the option box mirrors: the code hint `CWordCue` for the
    // Chinese entries, read-aloud `EWordRecite` otherwise.
    OptionSetting optionSetting() const;

    // The Chinese entries show the Wubi radical keyboard in place of the
    // on-screen keyboard when the input method is "五笔".
    bool showsWubiKeyboard(const QString &inputMeans) const;
    // Whether the radical analysis box is enabled (and its analysis may show).
    bool analysisEnabled(const QString &inputMeans) const;
};

// The input method whose code hints come with the Wubi radical keyboard and
// the radical analysis.
inline const QString WubiInputMeans = QStringLiteral("五笔");
