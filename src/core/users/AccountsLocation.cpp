// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Whether a file can be created in the folder. Permission bits alone would
// say yes to root on a read-only mount or in an immutable folder.
bool canWriteIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.qintara-probe-XXXXXX"));
    return probe.open();
}

// The nearest of folder and the folders above it that exists.
QString nearestExisting(QString folder)
{
    while (!QFileInfo::exists(folder)) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return QString();
        folder = parent;
    }
    return folder;
}

} // namespace

AccountsLocation AccountsLocation::inProgramFolder(const ProgramFolder &program)
{
    AccountsLocation location;
    location.program = program;
    location.place = Place::ProgramFolder;
    // New accounts folders take this spelling; any existing spelling is found.
    location.path = program.path(QStringLiteral("\\User"));
    return location;
}

AccountsLocation AccountsLocation::choose(const ProgramFolder &program, const QString &dataHome)
{
    AccountsLocation location = inProgramFolder(program);
    const QFileInfo inProgram(location.path);
    if (inProgram.isDir() ? canWriteIn(location.path)
                          : !inProgram.exists() && canWriteIn(program.root()))
        return location;

    const QString home = dataHome.isEmpty()
                             ? QString()
                             : QDir::cleanPath(dataHome + QStringLiteral("/qintara/user"));
    if (!home.isEmpty() && canWriteIn(nearestExisting(home))) {
        location.place = Place::DataHome;
        location.path = home;
        return location;
    }

    // Existing accounts can still be listed and logged in to; only creating
    // one fails, with this text.
    location.place = Place::Unwritable;
    location.error = QStringLiteral("不能写入用户文件夹 %1").arg(location.path);
    if (!home.isEmpty())
        location.error += QStringLiteral(" 或 %1").arg(home);
    return location;
}

AccountsLocation AccountsLocation::choose(const ProgramFolder &program)
{
    return choose(program, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString AccountsLocation::describe() const
{
    QString line = QStringLiteral("用户数据：") + QDir::toNativeSeparators(path);
    if (place == Place::Unwritable)
        line += QStringLiteral("（只读）");
    return line;
}
