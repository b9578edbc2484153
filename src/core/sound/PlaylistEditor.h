// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QStringList>

struct SelectedFiles;

// The entries of the playlist window while the user edits them. Rows count
// from 0; a row out of range (-1: nothing selected) changes nothing.
class PlaylistEditor
{
public:
    explicit PlaylistEditor(const QStringList &entries = {}) : m_entries(entries) {}

    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // Whether any entry is not empty: only such entries are written.
    bool hasFiles() const;

    // Appends entries as they are, in order.
    void append(const QStringList &entries);
    // Appends folder + name for every file of a file dialog's choice.
    void append(const SelectedFiles &chosen);

    // Removes the entry at row. Returns the row to select afterwards: the
    // entry that took its place, else the new last one (-1 when none is left,
    // or row when nothing was removed).
    int remove(int row);
    // Moves the entry at row one place up or down, unless it is already
    // first or last. Returns the entry's row afterwards.
    int moveUp(int row);
    int moveDown(int row);
    void clear() { m_entries.clear(); }

private:
    bool holds(int row) const { return row >= 0 && row < m_entries.size(); }

    QStringList m_entries;
};
