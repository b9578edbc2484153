// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

// Locks a folder for as long as the object lives: no entry can be added to it,
// removed from it or renamed in it. Root ignores permissions, so there the
// immutable attribute does it; elsewhere taking the write permission does.
// locked() is false where neither works, and the test should skip.
class LockedFolder
{
public:
    explicit LockedFolder(const QString &folder)
        : m_folder(folder)
    {
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_folder}) == 0)
            m_how = How::Immutable;
        else if (QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner) && !writable())
            m_how = How::ReadOnly;
        else
            QFile::setPermissions(m_folder, allPermissions);
    }

    ~LockedFolder()
    {
        if (m_how == How::Immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_folder});
        else if (m_how == How::ReadOnly)
            QFile::setPermissions(m_folder, allPermissions);
    }

    LockedFolder(const LockedFolder &) = delete;
    LockedFolder &operator=(const LockedFolder &) = delete;

    bool locked() const { return m_how != How::None; }

private:
    enum class How { None, Immutable, ReadOnly };
    static constexpr QFile::Permissions allPermissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

    bool writable() const
    {
        QFile probe(m_folder + QStringLiteral("/.probe"));
        const bool created = probe.open(QIODevice::WriteOnly);
        if (created)
            probe.remove();
        return created;
    }

    QString m_folder;
    How m_how = How::None;
};
