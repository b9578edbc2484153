// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/CharacterParts.h"

#include <QHash>

// Character parts from a list the test writes: radicals, code and
// short-code level of each character it knows.
class FakeCharacterParts : public CharacterParts
{
public:
    struct Parts
    {
        QStringList radicals;
        QString code;
        int shortCodeLevel = 0;
    };

    FakeCharacterParts() = default;
    explicit FakeCharacterParts(QHash<QString, Parts> parts) : m_parts(std::move(parts)) {}

    QStringList radicalsOf(QStringView character) const override { return m_parts.value(character.toString()).radicals; }
    QString codeOf(QStringView character) const override { return m_parts.value(character.toString()).code; }
    int shortCodeLevel(QStringView character) const override
    {
        return m_parts.value(character.toString()).shortCodeLevel;
    }

private:
    QHash<QString, Parts> m_parts;
};
