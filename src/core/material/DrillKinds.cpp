// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillKinds.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<DrillMode, QStringView>, 4> drillModeNames{{
    {DrillMode::Letters, u"en"},
    {DrillMode::Characters, u"ch"},
    {DrillMode::NumberCharacters, u"chnu"},
    {DrillMode::Digits, u"nu"},
}};

} // namespace

QString drillModeName(DrillMode mode)
{
    for (const auto &[each, name] : drillModeNames) {
        if (each == mode)
            return name.toString();
    }
    return QString();
}

std::optional<DrillMode> drillModeNamed(QStringView name)
{
    for (const auto &[mode, each] : drillModeNames) {
        if (each == name)
            return mode;
    }
    return std::nullopt;
}
