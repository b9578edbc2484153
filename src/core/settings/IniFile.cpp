// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/IniFile.h"

#include "core/settings/IniDocument.h"

QString IniRead(const QString &section, const QString &key, const QString &file)
{
    const std::optional<IniDocument> document = IniDocument::load(file);
    return document ? document->value(section, key) : QString();
}

bool IniWrite(const QString &section, const QString &key, const QString &value, const QString &file)
{
    std::optional<IniDocument> document = IniDocument::load(file);
    if (!document)
        return false;
    document->setValue(section, key, value);
    return document->save(file);
}
