// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillKinds.h"

#include "core/platform/NameTable.h"

namespace {

constexpr NameTable<DrillMode, 4> drillModeNames{{{
    {DrillMode::Letters, u"en"},
    {DrillMode::Characters, u"ch"},
    {DrillMode::NumberCharacters, u"chnu"},
    {DrillMode::Digits, u"nu"},
}}};

} // namespace

QString drillModeName(DrillMode mode)
{
    return drillModeNames.nameOf(mode);
}

std::optional<DrillMode> drillModeNamed(QStringView name)
{
    return drillModeNames.valueOf(name);
}
