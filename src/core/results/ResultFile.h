// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/results/GradeRecord.h"

#include <QList>
#include <QString>

#include <optional>

// A user's result file, "\Egrade.dat" (English) or "\Cgrade.dat" (Chinese):
// GradeRecords one after another, no header, record n at byte 30 (n - 1).
// Every call opens the file, does its work and closes it again, so nothing
// stays buffered between a save and the views that read it.
class ResultFile
{
public:
    explicit ResultFile(const QString &path);

    // The result file of a language in a user folder (given without a
    // trailing separator).
    static ResultFile of(const QString &userFolder, Language language);

    QString path() const { return m_path; }

    // The number of records in a file of this many bytes: the length divided
    // by 30, rounded to the nearest integer with halves to even, so a 45-byte
    // file holds 2 records and a 75-byte one 2 as well.
    static qint64 recordCount(qint64 fileSize);

    // Makes the file exist, empty when it is new; an existing file is left
    // as it is. False, with *error, when it cannot be created.
    bool create(QString *error = nullptr) const;

    // The record count of the file; a missing file holds none. nullopt, with
    // *error, when the file is there but cannot be read.
    std::optional<qint64> count(QString *error = nullptr) const;

    // Records first to first + count - 1 (numbers from 1) in order, fewer
    // when the file holds fewer. The last record of a file whose length is
    // not a multiple of 30 may be cut off; it is read as far as it goes (see
    // GradeRecord::decode). A missing file gives no records; nullopt, with
    // *error, when the file cannot be read.
    std::optional<QList<GradeRecord>> read(qint64 first, qint64 count,
                                           QString *error = nullptr) const;
    std::optional<QList<GradeRecord>> readAll(QString *error = nullptr) const;

    // Appends a record as number count() + 1, at byte 30 count(): after a
    // cut-off record the gap up to it is filled with zero bytes, and a short
    // fragment below it is written over. The 30 bytes go to the file in one
    // write, and the file is closed before this returns. The new record's
    // number; nullopt, with *error, when the file cannot be opened or written,
    // and then the file is as it was before.
    std::optional<qint64> append(const GradeRecord &record, QString *error = nullptr) const;

private:
    QString m_path;
};
