// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillEntry.h"

#include "core/material/DrillDraw.h"
#include "core/settings/Settings.h"

#include <array>

namespace {

using Id = DrillEntry::Id;
using Option = DrillEntry::Option;
using Analysis = DrillEntry::Analysis;

const std::array<DrillEntry, 7> &entries()
{
    static const std::array<DrillEntry, 7> table { {
        { Id::Letters, QStringLiteral("字母练习"), true, DrillMode::Letters, 0,
          true, false, false, false, Option::Check1, false, Analysis::Character },
        { Id::Words, QStringLiteral("单词练习"), false, QString(), 1,
          false, true, true, true, Option::Check2, false, Analysis::Phrase },
        { Id::Characters, QStringLiteral("单字练习"), true, DrillMode::Characters, 0,
          true, false, false, false, Option::Check1, true, Analysis::Character },
        { Id::Phrases, QStringLiteral("词组练习"), false, QString(), 2,
          false, true, true, false, Option::Check2, true, Analysis::Phrase },
        { Id::NumberWords, QStringLiteral("数字"), false, QString(), 3,
          false, true, false, true, Option::Check5, false, Analysis::None },
        { Id::NumberCharacters, QStringLiteral("数字"), true, DrillMode::NumberCharacters, 0,
          false, false, false, false, Option::Check5, true, Analysis::None },
        { Id::Digits, QStringLiteral("数字"), true, DrillMode::Digits, 0,
          false, false, false, false, Option::None, false, Analysis::None },
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
    default: return std::nullopt;
    }
}

QString DrillEntry::optionCaption(const QString &inputMeans) const
{
    return chinese ? inputMeans + QStringLiteral("提示") : QStringLiteral("自动朗读");
}

qint16 DrillEntry::optionValue(const Settings &settings) const
{
    return chinese ? settings.CWordCue : settings.EWordRecite;
}

void DrillEntry::storeOption(Settings &settings, qint16 value) const
{
    (chinese ? settings.CWordCue : settings.EWordRecite) = value;
}

bool DrillEntry::showsWubiKeyboard(const QString &inputMeans) const
{
    return chinese && inputMeans == WubiInputMeans;
}

bool DrillEntry::analysisEnabled(const QString &inputMeans) const
{
    return chinese && analysis != Analysis::None && inputMeans == WubiInputMeans;
}
