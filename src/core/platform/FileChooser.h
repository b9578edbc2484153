// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every open-file dialog of the program goes through a FileChooser: the real
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
};
