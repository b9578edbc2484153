// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QLocalServer>
#include <QObject>

// Keeps a second copy of the program from running on the same program
// folder: the first copy listens on a local server named after the folder
// (InstanceName) for as long as this object lives; a later copy finds it
// there.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &programFolder, QObject *parent = nullptr);

    // True when this copy is now the one running on the folder; false when
    // another copy already is.
    bool claim();

private:
    bool anotherCopyAnswers() const;

    QString m_name;
    QLocalServer m_server;
};
