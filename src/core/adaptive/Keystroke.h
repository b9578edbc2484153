// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Where a judged key was typed: the drill entries, the two article
// languages and the games. Stored in the keystroke history by name.
enum class ExerciseKind {
    Letters,
    Words,
    Characters,
    Phrases,
    NumberWords,
    NumberCharacters,
    Digits,
    EnglishArticle,
    ChineseArticle,
    Game,
};

QString exerciseKindName(ExerciseKind kind);
std::optional<ExerciseKind> exerciseKindNamed(QStringView name);

// One judged key, or one character committed by an input method, as the
// keystroke history keeps it.
struct Keystroke
{
    qint64 timeMs = 0;      // when it was judged, ms since the epoch (UTC)
    QString target;         // what was expected: a key's character, or a Chinese character
    QString typed;          // what came: equal to target when right
    bool correct = false;
    qint32 intervalMs = -1; // since the previous judged key of the same exercise; -1 for its first
    ExerciseKind kind = ExerciseKind::Letters;
    QString code;           // the letters typed for it with the built-in input; empty otherwise

    bool operator==(const Keystroke &) const = default;
};
