// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

// A closed set of values and the names they go by, in one table: the name of
// a value, and the value of a name.
template <typename Value, std::size_t Size>
class NameTable
{
public:
    constexpr NameTable(std::array<std::pair<Value, QStringView>, Size> rows)
        : m_rows(rows)
    {
    }

    // The value's name; empty for a value the table does not hold.
    QString nameOf(Value value) const
    {
        const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                      [value](const auto &each) { return each.first == value; });
        return row == m_rows.end() ? QString() : row->second.toString();
    }

    // The value of a name, compared exactly; nullopt for any other text.
    std::optional<Value> valueOf(QStringView name) const
    {
        const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                      [name](const auto &each) { return each.second == name; });
        return row == m_rows.end() ? std::nullopt : std::optional<Value>(row->first);
    }

private:
    std::array<std::pair<Value, QStringView>, Size> m_rows;
};
