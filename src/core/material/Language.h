// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The language of a text or an exercise.
enum class Language { English, Chinese };

// The code a language goes by: "e" English, "c" Chinese; and back, nullopt
// for any other code.
QString languageCode(Language language);
std::optional<Language> languageOfCode(QStringView code);
