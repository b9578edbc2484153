// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch folder for one test: files are written into it from bytes, and
// fixture folders under tests/data are copied into it so tests may change them.
class TestFolder
{
public:
    TestFolder();

    QString path() const { return m_dir.path(); }
    // The absolute path of a relative name inside the folder.
    QString file(const QString &relative) const;

    // Writes bytes to a relative path, creating folders on the way.
    void write(const QString &relative, const QByteArray &bytes) const;
    // Creates an empty folder (and its parents).
    void makeFolder(const QString &relative) const;
    QByteArray read(const QString &relative) const;

    // Copies the fixture folder QINTARA_TEST_DATA_DIR/<fixture> into this folder.
    void copyFixture(const QString &fixtureFolder) const;

private:
    QTemporaryDir m_dir;
};

// The bytes of the fixture file QINTARA_TEST_DATA_DIR/<relative>; a missing
// fixture ends the test program.
QByteArray readFixture(const QString &relative);

// Every entry below the folder, relative and sorted, so a test can see what
// was created or removed.
QStringList allEntries(const QString &folder);
