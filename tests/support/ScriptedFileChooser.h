// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/FileChooser.h"

#include <QList>

// A file chooser for tests: answers from a script and records every dialog
// asked for. With the script used up it answers as if cancelled.
class ScriptedFileChooser : public FileChooser
{
public:
    struct Asked
    {
        QString title;
        QStringList nameFilters;
    };

    // The next dialog chooses file; nullopt cancels it.
    void answerNext(std::optional<QString> file) { m_script.append(std::move(file)); }

    std::optional<QString> openFile(const QString &title, const QStringList &nameFilters) override
    {
        m_asked.append({title, nameFilters});
        return m_script.isEmpty() ? std::nullopt : m_script.takeFirst();
    }

    const QList<Asked> &asked() const { return m_asked; }

private:
    QList<std::optional<QString>> m_script;
    QList<Asked> m_asked;
};
