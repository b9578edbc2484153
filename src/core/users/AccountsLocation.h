// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <QString>

// Where the accounts live. A program folder that can be written (the build
// folder, a shared folder) keeps them in its "User" folder; an installed,
// read-only program folder sends them to the user's data folder,
// "<data home>/qintara/user". Practice material, code tables and sounds are
// read from the program folder either way.
struct AccountsLocation
{
    enum class Place {
        ProgramFolder, // the program folder's "User" folder
        DataHome,      // "<data home>/qintara/user"
        Unwritable,    // neither can be written: path is the program folder's, see error
    };

    ProgramFolder program; // the program folder the accounts belong to
    Place place = Place::ProgramFolder;
    QString path;          // the accounts folder, whether it exists yet or not
    QString error;         // why no account can be created (Unwritable only)

    // The program folder's "User" folder (found without regard to case) when
    // it exists and can be written, or when it does not exist and the program
    // folder can be written; else "<dataHome>/qintara/user" when it, or the
    // nearest folder above it that exists, can be written; else Unwritable.
    // Writing is tried for real (a probe file, removed again), so read-only
    // mounts and locked folders count. Creates no folder.
    static AccountsLocation choose(const ProgramFolder &program, const QString &dataHome);

    // The same with the user's data home of this system
    // (QStandardPaths::GenericDataLocation, which honours $XDG_DATA_HOME).
    static AccountsLocation choose(const ProgramFolder &program);

    // The program folder's "User" folder, without any check.
    static AccountsLocation inProgramFolder(const ProgramFolder &program);

    // The line the about box shows: "用户数据：<path>".
    QString describe() const;
};
