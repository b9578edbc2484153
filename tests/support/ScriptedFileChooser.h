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
    enum class Kind { Open, OpenMany, Save };

    struct Asked
    {
        QString title;
        QStringList nameFilters;
        Kind kind = Kind::Open;
        int preselected = 0; // the filter chosen first
    };

    // The next dialog chooses file; nullopt cancels it.
    void answerNext(std::optional<QString> file)
    {
        m_script.append(file ? std::optional<QStringList>(QStringList{*file}) : std::nullopt);
    }
    // The next dialog chooses files (a multiple choice); nullopt cancels it.
    void answerNextFiles(std::optional<QStringList> files) { m_script.append(std::move(files)); }

    std::optional<QString> openFile(const QString &title, const QStringList &nameFilters) override
    {
        return first(answer({title, nameFilters, Kind::Open, 0}));
    }

    std::optional<QStringList> openFiles(const QString &title, const QStringList &nameFilters,
                                         int preselected) override
    {
        return answer({title, nameFilters, Kind::OpenMany, preselected});
    }

    std::optional<QString> saveFile(const QString &title, const QStringList &nameFilters) override
    {
        return first(answer({title, nameFilters, Kind::Save, 0}));
    }

    const QList<Asked> &asked() const { return m_asked; }

private:
    std::optional<QStringList> answer(const Asked &asked)
    {
        m_asked.append(asked);
        return m_script.isEmpty() ? std::nullopt : m_script.takeFirst();
    }

    static std::optional<QString> first(const std::optional<QStringList> &files)
    {
        if (!files || files->isEmpty())
            return std::nullopt;
        return files->first();
    }

    QList<std::optional<QStringList>> m_script;
    QList<Asked> m_asked;
};
