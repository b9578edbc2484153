// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/Language.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Language, QStringView>, 2> codes{{
    {Language::English, u"e"},
    {Language::Chinese, u"c"},
}};

} // namespace

QString languageCode(Language language)
{
    for (const auto &[each, code] : codes) {
        if (each == language)
            return code.toString();
    }
    return QString();
}

std::optional<Language> languageOfCode(QStringView code)
{
    for (const auto &[language, each] : codes) {
        if (each == code)
            return language;
    }
    return std::nullopt;
}
