// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QHash>
#include <QStringList>
#include <QStringView>

// The lines of one code file, kept exactly as read, with an index that finds
// the first line containing a text of textLength characters as fast as a
// hash lookup instead of a scan of every line.
//
// Only texts whose first and last characters are double-byte are ever looked
// up, so the index holds every run of textLength characters of every line
// that begins and ends with a double-byte character, mapped to the first line
// holding it. A text occurs in a line exactly when it is one of that line's
// runs, so the index gives the same first line as a scan from the top would,
// whatever the line's layout (text and code, spaces, several words).
class CodeList
{
public:
    CodeList() = default;
    CodeList(QStringList lines, qsizetype textLength);

    const QStringList &lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }

    // The 0-based number of the first line that contains text anywhere, or
    // -1 when none does. text must be textLength characters long and begin
    // and end with a double-byte character; other texts are not indexed and
    // give -1.
    qsizetype firstLineContaining(QStringView text) const;

private:
    QStringList m_lines;
    // Keys are views into m_lines, which is never changed after the index is
    // built, so they stay valid as long as the list.
    QHash<QStringView, qsizetype> m_firstLine;
};
