// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The day texts of the result records ("25-06-03", year-month-day with a
// two-digit year) read back as dates, for the weekdays of the chart and the
// date sorting of the tables.
namespace RecordDate {

// The text of a day as a record stores it: "yy-MM-dd".
QString text(const QDate &day);

// A date written year-month-day, separated by "-" or "/", with spaces around
// it allowed: "25-06-03", "2025-6-3". A year of one or two digits is 2000 to
// 2079 for 0 to 79 and 1980 to 1999 for 80 to 99: no result file is older
// than 1980, and the program writes two-digit years until 2079. nullopt for
// any other text and for days that do not exist ("25-02-30").
std::optional<QDate> parse(QStringView text);

// " 星期一" to " 星期日": the suffix the chart puts behind a date.
QString weekdaySuffix(const QDate &day);

// The short form for spoken summaries: "6月3日 星期二".
QString spokenDay(const QDate &day);

} // namespace RecordDate
