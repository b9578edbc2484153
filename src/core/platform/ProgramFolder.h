// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The folder the program's data lives in: the folder of the executable in a
// normal run, any folder in tests. Data paths are written as literals that
// begin with a backslash ("\Music\SOUND\plop.wav", "\chinese\"); path() turns
// them into real paths on this system.
class ProgramFolder
{
public:
    // The folder of the running executable (needs a QCoreApplication).
    ProgramFolder();
    explicit ProgramFolder(const QString &root);

    QString root() const { return m_root; }

    // root() followed by the literal, each component matched to an existing
    // entry without regard to case (an exact match wins); components that do
    // not exist yet keep the literal's spelling. A trailing separator of the
    // literal is dropped: "\chinese\" names the folder itself.
    QString path(const QString &literal) const;

    // The same matching below any base folder, such as a user folder:
    // resolve(userFolder, "\错字练习\english\").
    static QString resolve(const QString &base, const QString &literal);

private:
    QString m_root;
};
