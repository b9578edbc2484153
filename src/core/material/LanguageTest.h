// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"

#include <QStringView>

class RandomSource;

namespace LanguageTest {

// Tells English from Chinese text by ten characters drawn at random (the same
// one may be drawn twice): more than five of them single-byte in the ANSI code
// page (GBK) gives English, otherwise Chinese. The same text may be judged
// differently on two calls. An empty text has no single-byte character:
// Chinese.
Language languageOf(QStringView text, RandomSource &random);

} // namespace LanguageTest
