// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeystrokeHistory.h"
#include "core/results/GradeRecord.h"

#include <QString>

// Writes the keystroke history and the results for a spreadsheet: the
// detail to path, and beside it, named like path with a tag before ".csv",
// the daily totals ("history-daily.csv") and the English and Chinese
// results ("history-english-results.csv", "history-chinese-results.csv"; a
// path without ".csv" gets the suffix appended). Each file is replaced whole
// or left as it was. False with *error naming the file and the reason at the
// first file that cannot be written, in that order.
namespace HistoryExport {

struct Results
{
    QList<GradeRecord> english;
    QList<GradeRecord> chinese;
};

QString siblingPath(const QString &path, const QString &tag);
bool write(const QString &path, const QList<Keystroke> &detail, const QList<DailyTotals> &totals,
           const Results &results, QString *error = nullptr);

} // namespace HistoryExport
