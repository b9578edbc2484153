// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QString>

// Keeps a second copy of the program from running on the same program
// folder: the first copy holds a local socket named after the folder
// (InstanceName) for as long as this object lives; a later copy finds the
// name taken. The name lives in the system's abstract socket space, so it is
// seen by every user of this computer, and it goes away with the copy that
// held it, even one that crashed.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &programFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this copy is now the one running on the folder; false when
    // another copy already is.
    bool claim();

private:
    QByteArray m_name;
    int m_socket = -1;
};
