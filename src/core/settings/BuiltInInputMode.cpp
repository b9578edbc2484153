// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/BuiltInInputMode.h"

#include "core/platform/NameTable.h"

namespace {

constexpr NameTable<BuiltInInputMode, 3> Names({{
    {BuiltInInputMode::Auto, u"自动"},
    {BuiltInInputMode::On, u"开"},
    {BuiltInInputMode::Off, u"关"},
}});

} // namespace

QString builtInInputModeName(BuiltInInputMode mode)
{
    return Names.nameOf(mode);
}

std::optional<BuiltInInputMode> builtInInputModeNamed(QStringView text)
{
    return Names.valueOf(text);
}

QStringList builtInInputModeNames()
{
    return {Names.nameOf(BuiltInInputMode::Auto), Names.nameOf(BuiltInInputMode::On),
            Names.nameOf(BuiltInInputMode::Off)};
}
