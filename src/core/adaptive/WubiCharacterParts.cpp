// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WubiCharacterParts.h"

#include "core/wubi/RadicalGrid.h"
#include "core/wubi/RadicalNames.h"
#include "core/wubi/RadicalTable.h"

#include <QSet>

WubiCharacterParts::WubiCharacterParts(const RadicalTable &table)
    : m_table(table)
{
}

QStringList WubiCharacterParts::radicalsOf(QStringView character) const
{
    const QString code = m_table.FindRadicalCode(character, false);
    QStringList names;
    for (qsizetype at = 0; at + 1 < code.size(); at += 2) {
        const QString name = RadicalNames::nameOf(RadicalGrid::cellOf(QStringView(code).mid(at, 2)));
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

QString WubiCharacterParts::codeOf(QStringView character) const
{
    const QString code = m_table.FindRadicalCode(character, true);
    QString letters;
    for (const QChar c : code) {
        if (c >= u'a' && c <= u'z')
            letters.append(c);
    }
    return letters;
}

int WubiCharacterParts::shortCodeLevel(QStringView character) const
{
    // A short-code entry holds one key letter, or two or three pairs without
    // an identification key; a full entry of two or three radicals has one.
    switch (m_table.FindRadicalCode(character, true).size()) {
    case 1: return 1;
    case 4: return 2;
    case 6: return 3;
    default: return 0;
    }
}

QStringList WubiCharacterParts::characters() const
{
    QStringList found;
    QSet<QString> seen;
    const QString &text = m_table.text();
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c.isNull())
            break;
        if (c.unicode() < 0x80 || c.isLowSurrogate())
            continue;
        const qsizetype length = c.isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(at, length);
        if (!seen.contains(character)) {
            seen.insert(character);
            found.append(character);
        }
    }
    return found;
}
