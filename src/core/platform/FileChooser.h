// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every open-file and save-file dialog of the program goes through a FileChooser: the real
// one shows a file dialog, tests script the files chosen.
class FileChooser
{
public:
    virtual ~FileChooser() = default;

    // Asks for one existing file under title, starting with an empty file
    // name. nameFilters are entries such as "Txt 文本格式 (*.txt)", the first
    // one preselected. Returns the absolute path of the file chosen, or
    // nullopt when the user cancels.
    virtual std::optional<QString> openFile(const QString &title, const QStringList &nameFilters) = 0;

    // Asks for one or more existing files, with the filter at position
    // preselected (from 0) chosen first. Returns their absolute paths in the
    // order chosen, or nullopt when the user cancels.
    virtual std::optional<QStringList> openFiles(const QString &title, const QStringList &nameFilters,
                                                 int preselected) = 0;

    // Asks for a file to save to, starting with an empty file name, the
    // first filter preselected. Returns its absolute path, or nullopt when
    // the user cancels.
    virtual std::optional<QString> saveFile(const QString &title, const QStringList &nameFilters) = 0;
};
