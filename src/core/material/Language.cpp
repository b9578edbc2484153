// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/Language.h"

#include "core/platform/NameTable.h"

namespace {

constexpr NameTable<Language, 2> languageCodes{{{
    {Language::English, u"e"},
    {Language::Chinese, u"c"},
}}};

} // namespace

QString languageCode(Language language)
{
    return languageCodes.nameOf(language);
}

std::optional<Language> languageOfCode(QStringView code)
{
    return languageCodes.valueOf(code);
}
