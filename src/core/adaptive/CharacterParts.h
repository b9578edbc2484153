// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What the weakness model and the weak drills need to know of a Chinese
// character beyond its own results: the radicals of its code and its code.
// The program answers from the Wubi radical table; tests answer from a list.
class CharacterParts
{
public:
    virtual ~CharacterParts() = default;

    // The names of the radicals of character's full code, in code order,
    // each once; empty for a character the table does not know.
    virtual QStringList radicalsOf(QStringView character) const = 0;

    // The letters of character's shortest code ("b" for a first-level short
    // code, "bn" for a second-level one, the full code where it has no short
    // code); empty when unknown.
    virtual QString codeOf(QStringView character) const = 0;

    // The level of character's short code, 1 to 3, or 0 when it has none.
    virtual int shortCodeLevel(QStringView character) const = 0;
};
