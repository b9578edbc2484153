// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/CharacterPool.h"

#include "core/platform/TextCodec.h"

namespace CharacterPool {

std::optional<QString> load(const QString &path, QString *error)
{
    std::optional<QString> text = TextCodec::readFile(path, error);
    if (text) {
        text->remove(QLatin1Char('\r'));
        text->remove(QLatin1Char('\n'));
    }
    return text;
}

} // namespace CharacterPool
