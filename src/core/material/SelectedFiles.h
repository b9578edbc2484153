// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// The choice of an open-file dialog split into the folder and the file names,
// for the practice-file entry and the playlist's multiple selection.
struct SelectedFiles
{
    int count = 0;     // number of files chosen
    QString folder;    // the folder of the first file, ending in "/"
    QStringList names; // file names in the order chosen; folder + name is the file

    bool operator==(const SelectedFiles &) const = default;
};

// Splits the absolute paths a file dialog returns. A file outside the first
// file's folder keeps a name relative to that folder, so folder + name still
// names it. No path gives no files and an empty folder.
SelectedFiles GetDlgSelectFileInfo(const QStringList &paths);
