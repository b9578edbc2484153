// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/results/GradeRecord.h"

#include <QByteArray>
#include <QList>

// The records of a result file (Egrade.dat, Cgrade.dat) as a CSV file (see
// CsvText) for a spreadsheet.
namespace ResultCsv {

// A row per record, in file order, under the header
// "date,practice_time,input_count,average_speed,correct_count,wrong_count,accuracy".
// Texts lose the padding of their fields; a date the records' form can read
// is written yyyy-MM-dd, any other (a damaged record) as it stands.
QByteArray write(const QList<GradeRecord> &records);

} // namespace ResultCsv
