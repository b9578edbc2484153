// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/CharacterParts.h"

class RadicalTable;

// Character parts from the Wubi radical table: the radicals of a
// character's full entry and the letters of its shortest entry. Each
// character's short-code entry follows its full entry in the table, so the
// second entry is the shortest code.
class WubiCharacterParts : public CharacterParts
{
public:
    // table must outlive this object.
    explicit WubiCharacterParts(const RadicalTable &table);

    QStringList radicalsOf(QStringView character) const override;
    QString codeOf(QStringView character) const override;
    int shortCodeLevel(QStringView character) const override;

    // Every character of the table, in table order, each once.
    QStringList characters() const;

private:
    const RadicalTable &m_table;
};
