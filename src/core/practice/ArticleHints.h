// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/practice/ArticleLookup.h"

#include <QString>
#include <QStringList>

#include <optional>

class MarkedText;

// What an article view shows and asks for when its typing position moves:
// the next target (one character, or with smart word choice the longest word
// the code lists know), the hint lines, the word to read aloud, the key to
// mark on the on-screen keyboard and the code for the Wubi radical keyboard.
namespace ArticleHints {

// The options and settings the hints follow.
struct Options
{
    Language language = Language::English;
    bool abreast = false;         // hints in Label21/Label22; no keyboards to mark
    bool smartWordChoice = false; // `CWordElect`
    bool codeHint = false;        // `CAWordCue`
    bool wordHints = false;       // `EWordCue`
    bool readAloud = false;       // `EAutoRecite`
    QString inputMeans;           // `InputMeans`
};

// The hint displays: Label11 in the normal view, Label21 (the word) and
// Label22 (its code or meaning) in the abreast view.
struct Labels
{
    QString Label11;
    QString Label21;
    QString Label22;

    bool operator==(const Labels &) const = default;
};

struct Next
{
    qsizetype targetLength = 0;     // characters from the position highlighted as the target
    QString target;                 // those characters; "" when nothing is left to type
    std::optional<Labels> labels;   // new hint texts; nullopt keeps those shown
    QString hintWord;               // the word the `ReciteKey` speaks, "" for none
    QStringList speech;             // words to speak now, in order
    std::optional<QString> keyMark; // xzjp of the on-screen keyboard
    std::optional<QString> wubiCode; // load_wbm of the Wubi radical keyboard

    bool operator==(const Next &) const = default;
};

// The next target and hints at position (in characters) of source, the
// source line of the view.
//
// Chinese: with smart word choice the 4, 3, 2 and 1 characters from the
// position are looked up in turn and the first that the code lists know is
// the target, else the single character; without it the target is the single
// character. With the code hint on, a known target shows
// "【" + word + "】" + two spaces + input method + "编码：   " + code
// (abreast: the word, and input method + "编码：" + code) and, with "五笔" in
// the normal view, its code goes to the Wubi keyboard; an unknown one shows
// "非汉字，无编码提示！" (abreast: "非汉字" and " 无编码提示！"), and without
// smart word choice its empty code goes to the Wubi keyboard as well. With
// the code hint off the hint lines are empty.
//
// English: the target is the single character; the normal view marks it on
// the on-screen keyboard. With word hints on, the position 0 hints the first
// word (up to the first space, or the whole source), and a target that is not
// a letter a-z (either case) before the last two characters hints the run of
// letters after it, which becomes the hint word. A hinted word shows its
// meaning text (abreast: the word, and the meaning text) and is read aloud
// when reading is on. Elsewhere the hint lines keep their texts. With word
// hints off the hint lines are empty.
Next next(const MarkedText &source, qsizetype position, const Options &options, const ArticleLookup &lookup);

// The `CueKey` in a Chinese article: when the code lists know target, its
// code hint, whatever the code hint option says, with the code for the Wubi
// keyboard as above. Otherwise, and in English articles, nothing: the result
// has neither labels nor code.
Next cue(const QString &target, const Options &options, const ArticleLookup &lookup);

} // namespace ArticleHints
