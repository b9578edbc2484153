// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/PlaylistEditor.h"

#include "core/material/SelectedFiles.h"

#include <algorithm>

bool PlaylistEditor::hasFiles() const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(), [](const QString &entry) { return !entry.isEmpty(); });
}

void PlaylistEditor::append(const QStringList &entries)
{
    m_entries.append(entries);
}

void PlaylistEditor::append(const SelectedFiles &chosen)
{
    for (const QString &name : chosen.names)
        m_entries.append(chosen.folder + name);
}

int PlaylistEditor::remove(int row)
{
    if (!holds(row))
        return row;
    m_entries.removeAt(row);
    return std::min(row, int(m_entries.size()) - 1);
}

int PlaylistEditor::moveUp(int row)
{
    if (!holds(row) || row == 0)
        return row;
    m_entries.swapItemsAt(row, row - 1);
    return row - 1;
}

int PlaylistEditor::moveDown(int row)
{
    if (!holds(row) || row == m_entries.size() - 1)
        return row;
    m_entries.swapItemsAt(row, row + 1);
    return row + 1;
}
