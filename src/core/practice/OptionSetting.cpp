// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/OptionSetting.h"

#include "core/settings/Settings.h"

#include <array>

namespace {

constexpr std::array<qint16 Settings::*, 7> fields{
    &Settings::EWordRecite, &Settings::CWordCue,   &Settings::CWbzgDemand, &Settings::EWordCue,
    &Settings::EAutoRecite, &Settings::CWordElect, &Settings::CAWordCue,
};

} // namespace

qint16 &optionField(Settings &settings, OptionSetting option)
{
    return settings.*fields.at(std::size_t(option));
}

bool optionTicked(const Settings &settings, OptionSetting option)
{
    return settings.*fields.at(std::size_t(option)) == 1;
}

void storeOption(Settings &settings, OptionSetting option, bool ticked)
{
    optionField(settings, option) = ticked ? 1 : 0;
}
