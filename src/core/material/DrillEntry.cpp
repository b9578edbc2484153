// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillEntry.h"

#include "core/material/DrillDraw.h"

#include <array>

namespace {

using Id = DrillEntry::Id;
using Option = DrillEntry::Option;
using Analysis = DrillEntry::Analysis;

const std::array<DrillEntry, 11> &entries()
{
    static const std::array<DrillEntry, 11> table { {
        { Id::Letters, PracticeMode::Letters, true, DrillMode::Letters, WordDrillKind::EnglishWords,
          true, false, false, false, Option::Check1, false, Analysis::Character, false },
        { Id::Words, PracticeMode::Words, false, DrillMode::Letters, WordDrillKind::EnglishWords,
          false, true, true, true, Option::Check2, false, Analysis::Phrase, false },
        { Id::Characters, PracticeMode::Characters, true, DrillMode::Characters, WordDrillKind::EnglishWords,
          true, false, false, false, Option::Check1, true, Analysis::Character, false },
        { Id::Phrases, PracticeMode::Phrases, false, DrillMode::Characters, WordDrillKind::Phrases,
          false, true, true, false, Option::Check2, true, Analysis::Phrase, false },
        { Id::NumberWords, PracticeMode::Numbers, false, DrillMode::Digits, WordDrillKind::NumberWords,
          false, true, false, true, Option::Check5, false, Analysis::None, false },
        { Id::NumberCharacters, PracticeMode::Numbers, true, DrillMode::NumberCharacters, WordDrillKind::NumberWords,
          false, false, false, false, Option::Check5, true, Analysis::None, false },
        { Id::Digits, PracticeMode::Numbers, true, DrillMode::Digits, WordDrillKind::NumberWords,
          false, false, false, false, Option::None, false, Analysis::None, false },
        // The weak-item drills have no chooser: their pool follows the history.
        { Id::WeakKeys, PracticeMode::Letters, true, DrillMode::Letters, WordDrillKind::EnglishWords,
          false, false, false, false, Option::None, false, Analysis::None, true },
        { Id::WeakCharacters, PracticeMode::Characters, true, DrillMode::Characters, WordDrillKind::EnglishWords,
          false, false, false, false, Option::None, true, Analysis::None, true },
        { Id::WeakRadicals, PracticeMode::Characters, true, DrillMode::Characters, WordDrillKind::EnglishWords,
          false, false, false, false, Option::None, true, Analysis::None, true },
        { Id::WeakShortCodes, PracticeMode::Characters, true, DrillMode::Characters, WordDrillKind::EnglishWords,
          false, false, false, false, Option::None, true, Analysis::None, true },
    } };
    return table;
}

} // namespace

const DrillEntry &DrillEntry::entry(Id id)
{
    return entries().at(std::size_t(id));
}

std::optional<Id> DrillEntry::forMenu(int menu, int entry)
{
    switch (menu * 10 + entry) {
    case 11: return Id::Letters;
    case 12: return Id::Words;
    case 21: return Id::Characters;
    case 22: return Id::Phrases;
    case 31: return Id::NumberWords;
    case 32: return Id::NumberCharacters;
    case 33: return Id::Digits;
    case 16: return Id::WeakKeys;
    case 26: return Id::WeakCharacters;
    case 27: return Id::WeakRadicals;
    case 28: return Id::WeakShortCodes;
    default: return std::nullopt;
    }
}

QString DrillEntry::optionCaption(const QString &inputMeans) const
{
    return chinese ? inputMeans + QStringLiteral("提示") : QStringLiteral("自动朗读");
}

OptionSetting DrillEntry::optionSetting() const
{
    return chinese ? OptionSetting::CWordCue : OptionSetting::EWordRecite;
}

bool DrillEntry::showsWubiKeyboard(const QString &inputMeans) const
{
    return chinese && inputMeans == WubiInputMeans;
}

bool DrillEntry::analysisEnabled(const QString &inputMeans) const
{
    return chinese && analysis != Analysis::None && inputMeans == WubiInputMeans;
}
