// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"
#include "core/adaptive/KeystrokeHistory.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The keystroke history as CSV files (see CsvText) for a spreadsheet.
namespace HistoryCsv {

// The detail, a row per key under the header
// "time,kind,target,typed,correct,interval_ms,code": the time as ISO 8601
// local time with milliseconds and the offset from UTC, the kind by its
// name, correct as 1 or 0, the interval empty for the first key of an
// exercise.
QByteArray detail(const QList<Keystroke> &keys);

// The daily totals, a row per day and kind under the header
// "day,kind,judged,wrong,active_ms,committed,code_letters", the day as
// yyyy-MM-dd.
QByteArray dailyTotals(const QList<DailyTotals> &totals);

// The time column of a key: "2026-12-10T09:05:03.250+08:00".
QString timeText(qint64 timeMs);

} // namespace HistoryCsv
