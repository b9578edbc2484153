// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/LanguageTest.h"

#include "core/material/RandomSource.h"
#include "core/platform/TextCodec.h"

namespace LanguageTest {

Language languageOf(QStringView text, RandomSource &random)
{
    if (text.isEmpty())
        return Language::Chinese;
    int singleByte = 0;
    for (int draw = 0; draw < 10; ++draw) {
        const int at = random.below(int(text.size()));
        // A character GBK cannot hold is written as "?", one byte, as well.
        if (TextCodec::encode(text.mid(at, 1)).size() == 1)
            ++singleByte;
    }
    return singleByte > 5 ? Language::English : Language::Chinese;
}

} // namespace LanguageTest
