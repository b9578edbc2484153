// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/Keystroke.h"

#include "core/platform/NameTable.h"

namespace {
constexpr NameTable<ExerciseKind, 10> kindNames({{
    {ExerciseKind::Letters, u"letters"},
    {ExerciseKind::Words, u"words"},
    {ExerciseKind::Characters, u"characters"},
    {ExerciseKind::Phrases, u"phrases"},
    {ExerciseKind::NumberWords, u"number-words"},
    {ExerciseKind::NumberCharacters, u"number-characters"},
    {ExerciseKind::Digits, u"digits"},
    {ExerciseKind::EnglishArticle, u"english-article"},
    {ExerciseKind::ChineseArticle, u"chinese-article"},
    {ExerciseKind::Game, u"game"},
}});
} // namespace

QString exerciseKindName(ExerciseKind kind)
{
    return kindNames.nameOf(kind);
}

std::optional<ExerciseKind> exerciseKindNamed(QStringView name)
{
    return kindNames.valueOf(name);
}
