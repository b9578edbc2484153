// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <mutex>

// The Wubi decomposition table built into the program: a run of entries with
// no separators, each a Chinese character followed by its code string, the
// ASCII characters up to the next Chinese character ("式a5a0d", "匿a3a2d8k0",
// "工a"). A code string is one pair of key letter and grid digit per radical,
// optionally followed by a bare identification key, or a single key letter
// for a first-level short code. A character may have several entries: its
// full entry first, its short-code entries after it.
class RadicalTable
{
public:
    // The table decoded from the program's resources (GBK text ended by one
    // NUL byte, which belongs to no entry) when it is first read, once, and
    // shared by every control: a run without Chinese never reads it.
    static const RadicalTable &builtIn();

    // A table from decoded text; a NUL ends the table as in the resource.
    explicit RadicalTable(QString text);

    // The code string of character: its first entry, or with
    // secondOccurrence its next entry when it has one (else still the first).
    // At most ten characters after the character, ending before the next
    // non-ASCII character, a NUL or the end of the table. A character that is
    // not in the table, or an empty one, gives "".
    QString FindRadicalCode(QStringView character, bool secondOccurrence) const;

    const QString &text() const;

private:
    struct BuiltIn {};
    explicit RadicalTable(BuiltIn) : m_builtIn(true) {} // read on first use

    mutable std::once_flag m_read;
    mutable QString m_text;
    bool m_builtIn = false;
};
